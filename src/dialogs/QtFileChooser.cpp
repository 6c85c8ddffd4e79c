#include "dialogs/QtFileChooser.h"

#include "common/WindowRoutines.h"

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

namespace trakora {

namespace {

QString Description(QString text)
{
    text = text.trimmed();
    const qsizetype open = text.lastIndexOf(u'(');
    if (text.endsWith(u')') && open > 0)
        text = text.left(open).trimmed();
    return text;
}

QStringList Patterns(const QString& text)
{
    QStringList patterns;
    const auto add = [&patterns](const QString& pattern) {
        if (!patterns.contains(pattern))
            patterns << pattern;
    };
    for (QString pattern : text.split(QRegularExpression("[;\\s]+"), Qt::SkipEmptyParts)) {
        if (pattern == "*.*" || pattern == "*") {
            add("*");
            continue;
        }
        add(pattern);
        add(pattern.toLower());
        add(pattern.toUpper());
    }
    return patterns;
}

} // namespace

QStringList QtNameFilters(std::string_view filter)
{
    const QStringList parts = Q(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << Description(parts[i]) + " (" + Patterns(parts[i + 1]).join(u' ') + ")";
    return filters;
}

FileChoice QtFileChooser::ChooseOpen(const FileDialogRequest& request)
{
    return Run(request, false);
}

FileChoice QtFileChooser::ChooseSave(const FileDialogRequest& request)
{
    return Run(request, true);
}

FileChoice QtFileChooser::Run(const FileDialogRequest& request, bool save)
{
    const QString folder = request.Folder.empty() ? QDir::currentPath() : Q(request.Folder);
    QFileDialog dialog(m_parent, Q(request.Title), folder);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = QtNameFilters(request.Filter);
    dialog.setNameFilters(filters);
    if (!filters.isEmpty())
        dialog.selectNameFilter(filters.first());
    dialog.setDefaultSuffix(Q(request.DefaultExtension));
    if (!request.InitialName.empty())
        dialog.selectFile(Q(request.InitialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return FileChoice::Cancelled();
    return FileChoice::Chosen(dialog.selectedFiles().first().toStdString());
}

} // namespace trakora
