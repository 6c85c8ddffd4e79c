#pragma once

#include "app/TrakoraApplication.h"
#include "views/SignalGauge.h"
#include "views/SkyMarker.h"
#include "views/SkyPlotCanvas.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QStringList>

namespace trakora::testing {

// What the display windows show, control by control: place, visibility,
// text, colours, gauge values, the sky plot's picture and the raw lines.
inline QStringList WindowsShown(TrakoraApplication& app)
{
    // Layouts settle (a list's scroll bars show or hide) once pending events run.
    QApplication::processEvents();
    QStringList shown;
    for (int k = 0; k < WindowKindCount; ++k) {
        QWidget* window = app.MainWindow().OpenWindow(static_cast<WindowKind>(k));
        if (window == nullptr)
            continue;
        QList<QWidget*> controls = window->findChildren<QWidget*>();
        controls.prepend(window);
        for (QWidget* w : controls) {
            // Where a hidden control stands is nothing anyone can read.
            const bool visible = w->isVisibleTo(window);
            // A sky mark is known by its satellite: which of the marks draws it is no one's concern.
            QString name = w->objectName();
            if (auto* marker = dynamic_cast<SkyMarker*>(w); marker && visible)
                name = QString::fromLatin1(DisplayName(marker->Satellite()).data());
            QString line = QStringLiteral("%1 %2 %3 %4 %5 bg=%6 fg=%7 [%8]")
                               .arg(window->objectName(), QString::fromLatin1(w->metaObject()->className()), name)
                               .arg(visible ? QStringLiteral("%1,%2").arg(w->x()).arg(w->y()) : QStringLiteral("-"))
                               .arg(visible)
                               .arg(w->palette().color(QPalette::Window).name(),
                                    w->palette().color(QPalette::WindowText).name(), w->accessibleDescription());
            if (auto* label = qobject_cast<QLabel*>(w))
                line += QStringLiteral(" text=%1 bold=%2").arg(label->text()).arg(label->font().bold());
            if (auto* gauge = dynamic_cast<SignalGauge*>(w))
                line += QStringLiteral(" gauge=%1..%2:%3 %4")
                            .arg(gauge->Minimum())
                            .arg(gauge->Maximum())
                            .arg(gauge->Value())
                            .arg(gauge->ForeColor().name());
            if (auto* canvas = dynamic_cast<SkyPlotCanvas*>(w)) {
                const QImage& picture = canvas->Picture();
                line += QStringLiteral(" picture=%1").arg(qChecksum(QByteArrayView(
                                                    reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes())));
            }
            if (auto* list = qobject_cast<QAbstractItemView*>(w)) {
                const QAbstractItemModel* model = list->model();
                const int rows = model ? model->rowCount() : 0;
                line += QStringLiteral(" rows=%1").arg(rows);
                if (rows > 0)
                    line += QStringLiteral(" first=%1 last=%2")
                                .arg(model->index(0, 0).data().toString(), model->index(rows - 1, 0).data().toString());
            }
            shown << line;
        }
    }
    // Raising and lowering reorder the controls; only what they show counts.
    shown.sort();
    return shown;
}

} // namespace trakora::testing
