#include "gui/dialogs/TfrmStorage.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QVBoxLayout>

namespace scribora::gui {

TfrmStorage::TfrmStorage(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frmStorage"));
    setWindowTitle(QStringLiteral("Storing"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedSize(321, 16);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 0);
    layout->addWidget(ProgressBar1);
    setFixedSize(325, 17);
}

void TfrmStorage::begin(const QString &caption, qsizetype total)
{
    setWindowTitle(caption);
    m_position = 0;
    m_total = total > 0 ? total : 100;
    ProgressBar1->setRange(0, int(qMin<qsizetype>(m_total, INT_MAX)));
    ProgressBar1->setValue(0);
    QDialog::show();
    if (parentWidget())
        move(parentWidget()->window()->geometry().center() - rect().center());
    show(true);
}

void TfrmStorage::setTotal(qsizetype total)
{
    m_total = total > 0 ? total : 1;
    ProgressBar1->setRange(0, int(qMin<qsizetype>(m_total, INT_MAX)));
    show(true);
}

void TfrmStorage::step()
{
    ++m_position;
    show(false);
}

void TfrmStorage::end()
{
    show(true);
    close();
}

void TfrmStorage::show(bool force)
{
    if (!force && m_sinceRepaint.isValid() && m_sinceRepaint.elapsed() < RepaintIntervalMs)
        return;
    m_sinceRepaint.start();
    ++m_repaints;
    ProgressBar1->setValue(int(qMin(m_position, m_total)));
    // Let the windows repaint; what the user types waits until the store is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace scribora::gui
