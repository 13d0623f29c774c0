#pragma once

#include "WindowDesign.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace xiangqi {

// The about box: the program's picture, title, version, author and rights warning, and an OK
// button. A fixed-size dialog with a close box; Enter, Esc and the close box all close it. A
// screen reader reads its version, author and rights warning as it opens.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    static constexpr int kClientWidth = design::toPixels(design::frmAbout::kClient).width;
    static constexpr int kClientHeight = design::toPixels(design::frmAbout::kClient).height;

    // Builds the dialog; the version line comes from the application version as it is now.
    explicit frmAbout(QWidget* parent = nullptr);

    // Shows a freshly built about box modally, without an owner window, and destroys it once
    // it has been closed.
    static void showModal();

private:
    void createControls();
    QLabel* createLabel(const design::Control& control);
    QWidget* createLine(const design::Line& shape);
    void describeForScreenReaders();

    // The controls; each also carries its name as its object name.
    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;
    // The etched separator: Line1[1] is the grey upper line, Line1[0] the white lower one.
    std::array<QWidget*, 2> Line1{};
    QLabel* lblDescription = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDisclaimer = nullptr;
};

} // namespace xiangqi
