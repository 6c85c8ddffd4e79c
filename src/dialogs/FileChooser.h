#pragma once

#include <string>
#include <utility>

namespace trakora {

// What the file-choosing dialog is asked to show.
struct FileDialogRequest {
    std::string Title;
    // Pairs of description and patterns, all separated by '|':
    // "TKL Wayscribe|*.TKL|All Files|*.*". The first pair is preselected.
    std::string Filter;
    std::string DefaultExtension; // without the dot, added when the user types none
    std::string InitialName;
    std::string Folder; // empty: the current folder
};

// The dialog's answer: a full path, a cancellation, or a failure of the
// dialog itself with the system's error number and text.
struct FileChoice {
    enum class Outcome { Chosen, Cancelled, Failed };
    Outcome Result = Outcome::Cancelled;
    std::string Path;
    int ErrorNumber = 0;
    std::string ErrorText;

    static FileChoice Chosen(std::string path) { return {Outcome::Chosen, std::move(path), 0, {}}; }
    static FileChoice Cancelled() { return {}; }
};

// The platform's open and save dialogs, behind an interface so that the
// Settings dialog can be driven without a display.
class IFileChooser {
public:
    virtual ~IFileChooser() = default;
    virtual FileChoice ChooseOpen(const FileDialogRequest& request) = 0;
    // No warning about an existing file: the chosen log is appended to.
    virtual FileChoice ChooseSave(const FileDialogRequest& request) = 0;
};

} // namespace trakora
