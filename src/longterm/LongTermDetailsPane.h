#pragma once

#include "longterm/LongTermTexts.h"
#include "longterm/LongTermView.h"

#include <QFrame>

class QComboBox;
class QLabel;
class QPushButton;

namespace trakora {

class ScatterPlotWidget;

// The right-hand pane of "Where Am I ?": how good the average of one chosen
// row is (standard deviations, CEP50, CEP95, 2DRMS), how many new positions
// each gate held back, the scatter plot, and the Export and Copy buttons.
class LongTermDetailsPane : public QFrame {
public:
    explicit LongTermDetailsPane(QWidget* parent);

    void ShowFigures(const SpreadTexts& texts);
    void ShowHeld(const HeldCounts& counts);
    // Export and Copy need a row with at least one sample.
    void EnablePointActions(bool enabled);

    QComboBox* RowChoice() const { return m_cboDetailRow; }
    ScatterPlotWidget* Plot() const { return m_picScatter; }
    QPushButton* PlotButton() const { return m_cmdPlot; }
    QPushButton* ExportButton() const { return m_cmdExport; }
    QPushButton* CopyButton() const { return m_cmdCopy; }

private:
    QComboBox* m_cboDetailRow = nullptr;
    QLabel* m_lblSigmaNorth = nullptr;
    QLabel* m_lblSigmaEast = nullptr;
    QLabel* m_lblSpreadSamples = nullptr;
    QLabel* m_lblCEP50 = nullptr;
    QLabel* m_lblCEP95 = nullptr;
    QLabel* m_lblTwoDRMS = nullptr;
    QLabel* m_lblHeldQuality = nullptr;
    QLabel* m_lblHeldDOP = nullptr;
    QLabel* m_lblHeldNot3D = nullptr;
    ScatterPlotWidget* m_picScatter = nullptr;
    QPushButton* m_cmdPlot = nullptr;
    QPushButton* m_cmdExport = nullptr;
    QPushButton* m_cmdCopy = nullptr;
};

} // namespace trakora
