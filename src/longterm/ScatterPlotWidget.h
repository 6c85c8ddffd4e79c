#pragma once

#include "longterm/SampleRow.h"

#include <QString>
#include <QWidget>

namespace trakora {

// Paints the latest samples of one row around their mean in metres, north
// up, with the CEP50 and CEP95 circles and a scale bar. The samples and
// figures belong to the row; the widget only reads them when it paints, and
// it paints only while shown.
class ScatterPlotWidget : public QWidget {
public:
    explicit ScatterPlotWidget(QWidget* parent = nullptr);

    // The row to show, kept by reference until the next call.
    void ShowRow(const SampleRow& row, const QString& rowName);
    // The row has new samples: repaint if shown.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Describe();

    const SampleRow* m_row = nullptr;
    QString m_rowName;
};

} // namespace trakora
