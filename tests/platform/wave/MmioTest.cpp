#include "platform/wave/Mmio.h"
#include "platform/wave/WavFile.h"

#include "RiffBytes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdio>

using namespace platform::wave;
using namespace riffbytes;

namespace {

const FOURCC kWave = mmioFOURCC('W', 'A', 'V', 'E');
const FOURCC kFmt = mmioFOURCC('f', 'm', 't', ' ');
const FOURCC kData = mmioFOURCC('d', 'a', 't', 'a');

quint32 u32At(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

QByteArray pattern(int size)
{
    QByteArray out(size, '\0');
    for (int i = 0; i < size; ++i)
        out[i] = char((i * 7 + i / 256) & 0xFF);
    return out;
}

} // namespace

// A file built with create-RIFF / create-chunk / ascend has the sizes of what
// was written, pads odd chunks, and reads back through descend: FINDRIFF finds
// the form, FINDCHUNK skips other chunks (the odd-sized one included).
TEST(Mmio, WrittenChunksReadBackWithSizesThatMatchTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("round.wav"));
    const WAVEFORMATEX format = makePcmFormat(8000, 16, 1);
    const QByteArray samples = pattern(16001); // odd: the data chunk needs a pad byte

    MMIOINFO info;
    HMMIO out = mmioOpen(path, &info, MMIO_CREATE | MMIO_WRITE);
    ASSERT_NE(out, nullptr) << info.wErrorRet;
    MMCKINFO riffCk;
    riffCk.fccType = mmioStringToFOURCC("WAVE");
    ASSERT_EQ(mmioCreateChunk(out, &riffCk, MMIO_CREATERIFF), MMSYSERR_NOERROR);
    MMCKINFO fmtCk;
    fmtCk.ckid = kFmt; // size left 0: ascend must write it
    ASSERT_EQ(mmioCreateChunk(out, &fmtCk, 0), MMSYSERR_NOERROR);
    const QByteArray fmtBytes = format.toBytes();
    ASSERT_EQ(mmioWrite(out, fmtBytes.constData(), 18), 18);
    ASSERT_EQ(mmioAscend(out, &fmtCk), MMSYSERR_NOERROR);
    EXPECT_EQ(fmtCk.cksize, 18u);
    MMCKINFO listCk;
    listCk.fccType = mmioStringToFOURCC("INFO");
    ASSERT_EQ(mmioCreateChunk(out, &listCk, MMIO_CREATELIST), MMSYSERR_NOERROR);
    MMCKINFO nameCk;
    nameCk.ckid = mmioStringToFOURCC("INAM");
    ASSERT_EQ(mmioCreateChunk(out, &nameCk, 0), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioWrite(out, "Anruf", 5), 5);
    ASSERT_EQ(mmioAscend(out, &nameCk), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioAscend(out, &listCk), MMSYSERR_NOERROR);
    MMCKINFO dataCk;
    dataCk.ckid = kData;
    ASSERT_EQ(mmioCreateChunk(out, &dataCk, 0), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioWrite(out, samples.constData(), qint32(samples.size())), samples.size());
    ASSERT_EQ(mmioAscend(out, &dataCk), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioAscend(out, &riffCk), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioClose(out), MMSYSERR_NOERROR);

    const QByteArray file = readFile(path);
    // RIFF(12) + fmt(8+18) + LIST(12 + INAM 8+5+pad) + data(8+16001+pad)
    ASSERT_EQ(file.size(), 12 + 26 + 26 + 8 + 16002);
    EXPECT_EQ(file.left(4), QByteArray("RIFF"));
    EXPECT_EQ(u32At(file, 4), quint32(file.size() - 8));
    EXPECT_EQ(file.mid(8, 4), QByteArray("WAVE"));
    EXPECT_EQ(u32At(file, 16), 18u);
    EXPECT_EQ(file.mid(20, 18), fmtBytes);
    EXPECT_EQ(file.mid(38, 4), QByteArray("LIST"));
    EXPECT_EQ(u32At(file, 42), 4u + 8 + 6);
    EXPECT_EQ(u32At(file, 54), 5u);
    EXPECT_EQ(file.mid(64, 4), QByteArray("data"));
    EXPECT_EQ(u32At(file, 68), 16001u);

    HMMIO in = mmioOpen(path, nullptr, MMIO_READ);
    ASSERT_NE(in, nullptr);
    MMCKINFO riffIn;
    riffIn.fccType = kWave;
    ASSERT_EQ(mmioDescend(in, &riffIn, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
    EXPECT_EQ(riffIn.ckid, FOURCC_RIFF);
    EXPECT_EQ(riffIn.cksize, quint32(file.size() - 8));
    EXPECT_EQ(riffIn.dwDataOffset, 8u);
    MMCKINFO fmtIn;
    fmtIn.ckid = kFmt;
    ASSERT_EQ(mmioDescend(in, &fmtIn, &riffIn, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    char area[50] = {};
    ASSERT_EQ(mmioRead(in, area, qint32(fmtIn.cksize)), 18);
    EXPECT_EQ(WAVEFORMATEX::fromBytes(area), format);
    ASSERT_EQ(mmioAscend(in, &fmtIn), MMSYSERR_NOERROR);
    MMCKINFO dataIn;
    dataIn.ckid = kData;
    ASSERT_EQ(mmioDescend(in, &dataIn, &riffIn, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    EXPECT_EQ(dataIn.cksize, 16001u);
    EXPECT_EQ(mmioSeek(in, 0, SEEK_CUR), qint32(dataIn.dwDataOffset));
    QByteArray back(20000, 'x'); // reading more than the file holds stops at its end
    ASSERT_EQ(mmioRead(in, back.data(), qint32(back.size())), 16002);
    EXPECT_EQ(back.left(16001), samples);
    EXPECT_EQ(mmioRead(in, back.data(), 10), 0);

    // Back to the form's first chunk: the list and its odd chunk are found by name.
    ASSERT_EQ(mmioSeek(in, qint32(riffIn.dwDataOffset + 4), SEEK_SET), 12);
    MMCKINFO listIn;
    listIn.fccType = mmioFOURCC('I', 'N', 'F', 'O');
    ASSERT_EQ(mmioDescend(in, &listIn, &riffIn, MMIO_FINDLIST), MMSYSERR_NOERROR);
    MMCKINFO nameIn;
    nameIn.ckid = mmioFOURCC('I', 'N', 'A', 'M');
    ASSERT_EQ(mmioDescend(in, &nameIn, &listIn, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    char name[8] = {};
    ASSERT_EQ(mmioRead(in, name, qint32(nameIn.cksize)), 5);
    EXPECT_STREQ(name, "Anruf");
    // Inside the list there is no "data": the search stops at the list's end.
    MMCKINFO notInList;
    notInList.ckid = kData;
    EXPECT_EQ(mmioDescend(in, &notInList, &listIn, MMIO_FINDCHUNK), MMIOERR_CHUNKNOTFOUND);
    EXPECT_EQ(mmioClose(in), MMSYSERR_NOERROR);
}

// The layout of a recording: "fmt " created with its exact size and not
// ascended, "data" directly after it; the two sizes are 0 in the file until the
// ascends at the end write them.
TEST(Mmio, RecordingLayoutHasZeroSizesUntilAscended)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rec.wav"));
    WAVEFORMATEX format = makePcmFormat(8000, 16, 1);
    format.cbSize = 18;

    MMIOINFO info;
    HMMIO out = mmioOpen(path, &info, 0x1001);
    ASSERT_NE(out, nullptr);
    MMCKINFO riffCk;
    riffCk.fccType = kWave;
    ASSERT_EQ(mmioCreateChunk(out, &riffCk, MMIO_CREATERIFF), MMSYSERR_NOERROR);
    MMCKINFO fmtCk;
    fmtCk.ckid = kFmt;
    fmtCk.cksize = 18;
    ASSERT_EQ(mmioCreateChunk(out, &fmtCk, 0), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioWrite(out, format.toBytes().constData(), 18), 18);
    MMCKINFO dataCk;
    dataCk.ckid = kData;
    ASSERT_EQ(mmioCreateChunk(out, &dataCk, 0), MMSYSERR_NOERROR);
    const QByteArray silence(8000, '\0');
    const QByteArray samples = pattern(3200);
    ASSERT_EQ(mmioWrite(out, silence.constData(), 8000), 8000);
    ASSERT_EQ(mmioWrite(out, samples.constData(), 3200), 3200);

    const QByteArray during = readFile(path);
    ASSERT_EQ(during.size(), 46 + 11200);
    EXPECT_EQ(u32At(during, 4), 0u);
    EXPECT_EQ(u32At(during, 42), 0u);

    ASSERT_EQ(mmioAscend(out, &dataCk), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioAscend(out, &riffCk), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioClose(out), MMSYSERR_NOERROR);

    const QByteArray file = readFile(path);
    const QByteArray header = QByteArray::fromHex("52494646"
                                                  "e62b0000"
                                                  "57415645"
                                                  "666d7420"
                                                  "12000000"
                                                  "0100"
                                                  "0100"
                                                  "401f0000"
                                                  "803e0000"
                                                  "0200"
                                                  "1000"
                                                  "1200"
                                                  "64617461"
                                                  "c02b0000");
    EXPECT_EQ(file.left(46).toHex(), header.toHex());
    EXPECT_EQ(file.size(), 46 + 11200);
    EXPECT_EQ(file.mid(46), silence + samples);

    WavFile back;
    ASSERT_EQ(WavFile::read(path, &back), MMSYSERR_NOERROR);
    EXPECT_EQ(back.format, format);
    EXPECT_EQ(back.data, silence + samples);
}

// Each broken file fails at the step of the playback open sequence (open,
// FINDRIFF "WAVE", FINDCHUNK "fmt ", read, FINDCHUNK "data") with its code, and
// WavFile::read, which runs the same sequence, gives the same code.
TEST(Mmio, MalformedFilesGiveTheirErrorCodeAtTheirStep)
{
    const QByteArray fmt16 = chunk("fmt ", pcmFmt(8000, 16, 1));
    const QByteArray data = chunk("data", pattern(100));
    const QByteArray good = riff("WAVE", {fmt16, data});
    QByteArray truncated = riff("WAVE", {fmt16, chunk("data", pattern(16000))});
    truncated.truncate(3000);
    QByteArray dataTooLong = riff("WAVE", {fmt16, chunk("data", pattern(100), 100000)});
    QByteArray dataHuge = riff("WAVE", {fmt16, chunk("data", pattern(100), 0xFFFFFFFF)});
    QByteArray fmtTooLong = riff("WAVE", {chunk("fmt ", pcmFmt(8000, 16, 1), 5000), data});
    QByteArray junkInTheWay =
        riff("WAVE", {chunk("JUNK", QByteArray(10, 'j'), 0x7FFFFFFF), fmt16, data});
    QByteArray unfinished = riff("WAVE", {fmt16, data}, 0); // a recording never ascended
    QByteArray riffAfterJunk = chunk("junk", QByteArray(3, 'x')) + good;

    struct Case {
        const char* name;
        QByteArray bytes;
        bool exists;
        const char* failingStep; // nullptr: opens completely
        MMRESULT code;
    };
    const Case cases[] = {
        {"missing file", {}, false, "open", MMIOERR_FILENOTFOUND},
        {"empty file", {}, true, "riff", MMIOERR_CHUNKNOTFOUND},
        {"text, not RIFF", "Dies ist keine Wave-Datei, sondern Text.", true, "riff",
         MMIOERR_CHUNKNOTFOUND},
        {"RIFF of another form", riff("AVI ", {fmt16, data}), true, "riff", MMIOERR_CHUNKNOTFOUND},
        {"cut inside the RIFF header", good.left(6), true, "riff", MMIOERR_CHUNKNOTFOUND},
        {"no fmt chunk", riff("WAVE", {data}), true, "fmt", MMIOERR_CHUNKNOTFOUND},
        {"no data chunk", riff("WAVE", {fmt16}), true, "data", MMIOERR_CHUNKNOTFOUND},
        {"form type only", riff("WAVE", {}), true, "fmt", MMIOERR_CHUNKNOTFOUND},
        {"truncated in the samples", truncated, true, "riff", MMIOERR_CANNOTREAD},
        {"sizes 0 (unfinished)", unfinished, true, "riff", MMIOERR_CANNOTREAD},
        {"data size beyond the file", dataTooLong, true, "data", MMIOERR_CANNOTREAD},
        {"data size 0xFFFFFFFF", dataHuge, true, "data", MMIOERR_CANNOTREAD},
        {"fmt size beyond the file", fmtTooLong, true, "fmt", MMIOERR_CANNOTREAD},
        {"chunk in the way beyond the file", junkInTheWay, true, "fmt", MMIOERR_CHUNKNOTFOUND},
        {"fmt shorter than a format", riff("WAVE", {chunk("fmt ", QByteArray(6, '\1')), data}),
         true, "read", MMIOERR_CANNOTREAD},
        {"well formed", good, true, nullptr, MMSYSERR_NOERROR},
        {"RIFF after an odd chunk", riffAfterJunk, true, nullptr, MMSYSERR_NOERROR},
    };

    QTemporaryDir dir;
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QStringLiteral("case%1.wav").arg(n++));
        if (c.exists) {
            ASSERT_TRUE(writeFile(path, c.bytes));
        }

        QString step = QStringLiteral("open");
        MMRESULT code = MMSYSERR_NOERROR;
        MMIOINFO info;
        HMMIO f = mmioOpen(path, &info, MMIO_READ);
        if (!f) {
            code = info.wErrorRet;
        } else {
            MMCKINFO r, fmt, d;
            r.fccType = kWave;
            fmt.ckid = kFmt;
            d.ckid = kData;
            char area[50] = {};
            if ((code = mmioDescend(f, &r, nullptr, MMIO_FINDRIFF))) {
                step = QStringLiteral("riff");
            } else if ((code = mmioDescend(f, &fmt, &r, MMIO_FINDCHUNK))) {
                step = QStringLiteral("fmt");
            } else if (fmt.cksize < 16 ||
                       mmioRead(f, area, qint32(std::min<quint32>(fmt.cksize, 50))) !=
                           qint32(std::min<quint32>(fmt.cksize, 50))) {
                step = QStringLiteral("read");
                code = MMIOERR_CANNOTREAD;
            } else if (mmioAscend(f, &fmt); (code = mmioDescend(f, &d, &r, MMIO_FINDCHUNK))) {
                step = QStringLiteral("data");
            } else {
                // The data found lies wholly in the file: all of it can be read.
                QByteArray samples(qsizetype(d.cksize), '\0');
                EXPECT_EQ(mmioRead(f, samples.data(), qint32(d.cksize)), qint32(d.cksize));
                EXPECT_EQ(samples, pattern(100));
            }
            EXPECT_EQ(mmioClose(f), MMSYSERR_NOERROR);
        }
        if (c.failingStep) {
            EXPECT_EQ(step, QString::fromLatin1(c.failingStep));
            EXPECT_EQ(code, c.code);
        } else {
            EXPECT_EQ(code, MMSYSERR_NOERROR) << step.toStdString();
        }
        WavFile wav;
        EXPECT_EQ(WavFile::read(path, &wav), c.code);
    }
}

TEST(Mmio, OpenAndAccessErrors)
{
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("existing.bin"));
    ASSERT_TRUE(writeFile(existing, "0123456789"));

    // Creating in a folder that does not exist fails and leaves nothing behind.
    const QString nowhere = dir.filePath(QStringLiteral("fehlt/neu.wav"));
    MMIOINFO info;
    EXPECT_EQ(mmioOpen(nowhere, &info, MMIO_CREATE | MMIO_WRITE), nullptr);
    EXPECT_EQ(info.wErrorRet, MMIOERR_CANNOTOPEN);
    EXPECT_FALSE(QFileInfo::exists(nowhere));

    EXPECT_EQ(mmioOpen(dir.path(), &info, MMIO_READ), nullptr);
    EXPECT_EQ(info.wErrorRet, MMIOERR_CANNOTOPEN);
    EXPECT_EQ(mmioOpen(dir.filePath(QStringLiteral("none.wav")), &info, MMIO_WRITE), nullptr);
    EXPECT_EQ(info.wErrorRet, MMIOERR_FILENOTFOUND);
    EXPECT_EQ(mmioOpen(QString(), &info, MMIO_READ), nullptr);
    EXPECT_EQ(info.wErrorRet, MMIOERR_FILENOTFOUND);
    EXPECT_EQ(mmioOpen(existing, &info, MMIO_WRITE | MMIO_READWRITE), nullptr);
    EXPECT_EQ(info.wErrorRet, MMSYSERR_INVALFLAG);
    EXPECT_EQ(mmioOpen(existing, &info, MMIO_READ | MMIO_DELETE), nullptr);
    EXPECT_EQ(info.wErrorRet, MMSYSERR_INVALFLAG);

    // A read handle refuses writing, a write handle reading.
    HMMIO reader = mmioOpen(existing, nullptr, MMIO_READ | MMIO_DENYWRITE);
    ASSERT_NE(reader, nullptr);
    MMCKINFO ck;
    ck.ckid = kData;
    EXPECT_EQ(mmioWrite(reader, "x", 1), -1);
    EXPECT_EQ(mmioCreateChunk(reader, &ck, 0), MMIOERR_CANNOTWRITE);
    EXPECT_EQ(mmioSeek(reader, 0, SEEK_END), 10);
    EXPECT_EQ(mmioSeek(reader, -4, SEEK_CUR), 6);
    EXPECT_EQ(mmioSeek(reader, -7, SEEK_CUR), -1);
    EXPECT_EQ(mmioSeek(reader, 0, 7), -1);
    char buf[8] = {};
    EXPECT_EQ(mmioRead(reader, buf, 8), 4);
    EXPECT_EQ(QByteArray(buf, 4), QByteArray("6789"));
    EXPECT_EQ(mmioRead(reader, buf, -1), -1);
    EXPECT_EQ(mmioClose(reader), MMSYSERR_NOERROR);

    // MMIO_WRITE without MMIO_CREATE keeps the file and writes over its start.
    HMMIO writer = mmioOpen(existing, nullptr, MMIO_WRITE);
    ASSERT_NE(writer, nullptr);
    EXPECT_EQ(mmioRead(writer, buf, 1), -1);
    EXPECT_EQ(mmioDescend(writer, &ck, nullptr, 0), MMIOERR_CANNOTREAD);
    EXPECT_EQ(mmioWrite(writer, "ab", 2), 2);
    EXPECT_EQ(mmioClose(writer), MMSYSERR_NOERROR);
    EXPECT_EQ(readFile(existing), QByteArray("ab23456789"));

    // No handle: every function says so instead of crashing.
    EXPECT_EQ(mmioRead(nullptr, buf, 1), -1);
    EXPECT_EQ(mmioWrite(nullptr, buf, 1), -1);
    EXPECT_EQ(mmioSeek(nullptr, 0, SEEK_SET), -1);
    EXPECT_EQ(mmioDescend(nullptr, &ck, nullptr, 0), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(mmioAscend(nullptr, &ck), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(mmioCreateChunk(nullptr, &ck, 0), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(mmioClose(nullptr), MMSYSERR_INVALHANDLE);
}

TEST(Mmio, StringToFourcc)
{
    struct Case {
        const char* text;
        quint32 flags;
        FOURCC expected;
    };
    const Case cases[] = {
        {"WAVE", 0, 0x45564157},
        {"fmt ", 0, 0x20746D66},
        {"fmt", 0, 0x20746D66}, // blank-padded
        {"data", 0, 0x61746164},
        {"riff", MMIO_TOUPPER, 0x46464952},
        {"riff", 0, 0x66666972},
        {"wave.wav", MMIO_TOUPPER, 0x45564157}, // only the first four count
        {"", 0, 0x20202020},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(mmioStringToFOURCC(c.text, c.flags), c.expected);
    }
    EXPECT_EQ(FOURCC_RIFF, 0x46464952u);
}
