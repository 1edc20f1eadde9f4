#include "gui/dialogs/TfrmAbout.h"

#include "gui/app/Glyphs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace scribora::gui {

TfrmAbout::TfrmAbout(const QString &productName, const QString &productVersion,
                     const QString &legalCopyright, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + productName);
    setFixedSize(381, 186);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xA6, 0xCA, 0xF0)); // sky blue
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    auto *icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(applicationIcon().pixmap(48, 48));
    lblProductandVersionInfo = new QLabel(
        productName + QLatin1Char(' ') + productVersion + QStringLiteral("\r\n\r\n") + legalCopyright, this);
    lblProductandVersionInfo->setObjectName(QStringLiteral("lblProductandVersionInfo"));
    auto *notice = new QLabel(
        QStringLiteral("This program is protected by copyright law. Copying or distributing it, "
                       "or any part of it, without permission is not allowed."),
        this);
    notice->setObjectName(QStringLiteral("lblNotice"));
    notice->setWordWrap(true);
    mnuClose = new QPushButton(QStringLiteral("&Close"), this);
    mnuClose->setObjectName(QStringLiteral("mnuClose"));
    mnuClose->setDefault(true);
    connect(mnuClose, &QPushButton::clicked, this, &QDialog::accept);

    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(lblProductandVersionInfo, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(notice, 1);
    bottom->addWidget(mnuClose, 0, Qt::AlignBottom);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
}

} // namespace scribora::gui
