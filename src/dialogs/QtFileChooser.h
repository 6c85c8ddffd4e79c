#pragma once

#include "dialogs/FileChooser.h"

#include <QStringList>

#include <string_view>

class QWidget;

namespace trakora {

// "Desc|*.A|All Files|*.*" as the toolkit's name filters:
// {"Desc (*.A *.a)", "All Files (*)"}. A pattern list already written in the
// description is replaced, "*.*" means every file, and an extension matches in
// either case because the file system does not fold case.
QStringList QtNameFilters(std::string_view filter);

// The file dialog of the toolkit.
class QtFileChooser : public IFileChooser {
public:
    explicit QtFileChooser(QWidget* parent = nullptr) : m_parent(parent) {}

    FileChoice ChooseOpen(const FileDialogRequest& request) override;
    FileChoice ChooseSave(const FileDialogRequest& request) override;

private:
    FileChoice Run(const FileDialogRequest& request, bool save);

    QWidget* m_parent;
};

} // namespace trakora
