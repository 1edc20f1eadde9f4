#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace scribora::gui {

// The About box: product name, version and copyright of the program.
class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    TfrmAbout(const QString &productName, const QString &productVersion,
              const QString &legalCopyright, QWidget *parent = nullptr);

    QLabel *lblProductandVersionInfo = nullptr;
    QPushButton *mnuClose = nullptr;
};

} // namespace scribora::gui
