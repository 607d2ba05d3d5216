#pragma once

// Records the notifications a wave device posts to its callback object, with
// what the header held when each one was handled.

#include "platform/wave/WaveNotifySink.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QThread>

#include <functional>
#include <vector>

struct Notice {
    quint32 message = 0;
    quint32 device = 0;
    platform::wave::WAVEHDR* header = nullptr;
    quint32 flags = 0;
    QByteArray bytes; // the header's recorded bytes (input) at handling time
    qint64 atMs = 0;  // since the log's clock started
    bool onOwnThread = false;
};

class NoticeLog {
public:
    NoticeLog()
    {
        QObject::connect(&sink, &platform::wave::WaveNotifySink::waveMessage, &sink,
                         [this](quint32 message, quint32 device, platform::wave::WAVEHDR* h) {
                             Notice n;
                             n.message = message;
                             n.device = device;
                             n.header = h;
                             n.atMs = clock.elapsed();
                             n.onOwnThread = QThread::currentThread() == sink.thread();
                             if (h) {
                                 n.flags = h->dwFlags;
                                 n.bytes = QByteArray(h->lpData, h->dwBytesRecorded);
                             }
                             notices.push_back(n);
                             if (onNotice)
                                 onNotice(notices.back());
                         });
        clock.start();
    }

    int count(quint32 message) const
    {
        int n = 0;
        for (const Notice& x : notices)
            n += x.message == message;
        return n;
    }

    std::vector<Notice> of(quint32 message) const
    {
        std::vector<Notice> out;
        for (const Notice& x : notices)
            if (x.message == message)
                out.push_back(x);
        return out;
    }

    platform::wave::WaveNotifySink sink;
    std::vector<Notice> notices;
    QElapsedTimer clock;
    std::function<void(const Notice&)> onNotice;
};
