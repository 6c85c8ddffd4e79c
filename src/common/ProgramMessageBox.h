#pragma once

#include <QMessageBox>
#include <QString>

#include <memory>
#include <string_view>

namespace trakora {

// The program's messages as shown: the program's line breaks are line feeds,
// or carriage returns (one or two, alone or before a line feed) once the
// About box has been shown; all of them become line feeds.
QString MessageLines(std::string_view text);

// Every message box of the program is made here: `title` defaults to the
// program's name, the text is given by MessageLines, and the box is wide
// enough for its title beside a window frame's buttons, which would
// otherwise cut it.
std::unique_ptr<QMessageBox> MakeProgramMessageBox(QWidget* parent, std::string_view text,
                                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                   QMessageBox::StandardButton defaultButton = QMessageBox::Ok,
                                                   const QString& title = {});

// A message with an OK button; returns when the user has closed it.
void ShowProgramMessage(QWidget* parent, std::string_view text, const QString& title = {});
// Yes or No, No by default; true for Yes.
bool AskProgramQuestion(QWidget* parent, std::string_view question, const QString& title = {});

} // namespace trakora
