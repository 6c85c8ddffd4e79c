#pragma once

#include "common/ProgramSettings.h"

#include <QWidget>

class QLabel;
class QTimer;

namespace trakora {

// The picture that announces the program at start and serves as its About
// box: centred, above all other windows, closed after two seconds or by the
// first click. Modeless; deletes itself when closed.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    explicit frmSplash(ProgramSettings& settings, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_image1 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QTimer* m_timer1 = nullptr;
};

} // namespace trakora
