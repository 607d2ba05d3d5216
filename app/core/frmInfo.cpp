#include "frmInfo.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace fonkel {

QString frmInfo::version()
{
    return QStringLiteral(FONKEL_VERSION);
}

QString frmInfo::description()
{
    return QStringLiteral(
        "Der Tapimonitor für ACT!\n\n"
        "Fonkel überwacht eine Telefonleitung, bestimmt zu jedem Anrufer Land und Ort, "
        "sucht die Nummer in den Telefonfeldern der geöffneten ACT!-Datenbank und führt "
        "die Anrufe in einer Anruferliste. Aus der Liste heraus zeigen Sie den Kontakt in "
        "ACT! an, zeichnen ein Protokoll auf oder rufen zurück.\n\n"
        "Die Telefonleitung bedient das Steuerelement Lintaro.");
}

frmInfo::frmInfo(const QPixmap& banner, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Informationen zu Fonkel"));
    auto* layout = new QVBoxLayout(this);

    auto* picture = new QLabel(this);
    picture->setPixmap(banner);
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);

    auto* name = new QLabel(productName(), this);
    name->setObjectName(QStringLiteral("lblProdukt"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);

    auto* versionLabel = new QLabel(QStringLiteral("Version ") + version(), this);
    versionLabel->setObjectName(QStringLiteral("lblVersion"));
    versionLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(versionLabel);

    auto* text = new QLabel(description(), this);
    text->setObjectName(QStringLiteral("lblBeschreibung"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    layout->addWidget(text);

    auto* periphery = new QLabel(QStringLiteral("Qt ") + QString::fromLatin1(qVersion()), this);
    periphery->setAlignment(Qt::AlignCenter);
    layout->addWidget(periphery);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setFixedWidth(360);
}

} // namespace fonkel
