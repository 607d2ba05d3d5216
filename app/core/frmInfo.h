#pragma once

#include <QDialog>

namespace fonkel {

// The program's information window, opened by a click on the banner:
// product name, version and a short description.
class frmInfo : public QDialog {
    Q_OBJECT
public:
    explicit frmInfo(const QPixmap& banner, QWidget* parent = nullptr);

    static QString productName() { return QStringLiteral("Fonkel"); }
    static QString version();
    static QString description();
};

} // namespace fonkel
