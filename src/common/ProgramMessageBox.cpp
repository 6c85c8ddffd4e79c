#include "common/ProgramMessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace trakora {

namespace {

// Room for the title in a window frame: the text in the frame's (often bold)
// title font, and beside it the frame's icon and its three buttons.
int TitleRoom(const QString& title)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(title) + 8 * metrics.height();
}

} // namespace

QString MessageLines(std::string_view text)
{
    QString lines = QString::fromUtf8(text.data(), qsizetype(text.size()));
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

std::unique_ptr<QMessageBox> MakeProgramMessageBox(QWidget* parent, std::string_view text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton, const QString& title)
{
    const QString caption = title.isEmpty() ? QApplication::applicationName() : title;
    auto box = std::make_unique<QMessageBox>(buttons & QMessageBox::No ? QMessageBox::Question : QMessageBox::Information,
                                             caption, MessageLines(text), buttons, parent);
    box->setDefaultButton(defaultButton);
    // The box takes the width its layout needs: a row of that width makes
    // it wide enough. Added last, as the box rebuilds its layout while set up.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(TitleRoom(caption), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    return box;
}

void ShowProgramMessage(QWidget* parent, std::string_view text, const QString& title)
{
    MakeProgramMessageBox(parent, text, QMessageBox::Ok, QMessageBox::Ok, title)->exec();
}

bool AskProgramQuestion(QWidget* parent, std::string_view question, const QString& title)
{
    return MakeProgramMessageBox(parent, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, title)
               ->exec() == QMessageBox::Yes;
}

} // namespace trakora
