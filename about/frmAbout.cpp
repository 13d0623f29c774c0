#include "frmAbout.h"

#include "AboutDrawing.h"
#include "PictureLabel.h"
#include "ProgramIconEngine.h"
#include "SongFont.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QVersionNumber>

namespace xiangqi {

namespace {
namespace about = design::frmAbout;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect pixelRect(design::Pixels pixels) {
    return {pixels.left, pixels.top, pixels.width, pixels.height};
}

QColor colourOf(design::Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

const QString kPicture = QStringLiteral(":/about/about.png");

// The shipped picture at 1x, drawn afresh at other device pixel ratios.
QImage pictureFor(qreal ratio) {
    return ratio == 1 ? QImage(kPicture) : drawing::AboutDrawing(drawing::songFont()).image(ratio);
}

// "版本 major.minor.revision" from the application version; missing parts read as 0.
QString versionLine() {
    const QVersionNumber version =
        QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return fromUtf8(
        about::versionLine(version.majorVersion(), version.minorVersion(), version.microVersion()));
}

void makeTextBlack(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}
} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(fromUtf8(about::kCaption));
    setWindowIcon(QIcon(new drawing::ProgramIconEngine(QStringLiteral(":/icons/xiangqi.png"))));
    setFixedSize(kClientWidth, kClientHeight);
    createControls();
}

void frmAbout::showModal() {
    frmAbout dialog;
    dialog.exec();
}

// Creation order is stacking order; the geometries are in client-area pixels.
void frmAbout::createControls() {
    picIcon = new PictureLabel(pictureFor, this);
    picIcon->setObjectName(fromUtf8(about::picIcon.name));
    picIcon->setGeometry(pixelRect(design::toPixels(about::picIcon.place)));
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);

    cmdOK = new QPushButton(fromUtf8(about::cmdOK.text), this);
    cmdOK->setObjectName(fromUtf8(about::cmdOK.name));
    cmdOK->setGeometry(pixelRect(design::toPixels(about::cmdOK.place)));
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    Line1[1] = createLine(about::Line1[1]);
    lblDescription = createLabel(about::lblDescription);
    lblDescription->setWordWrap(true);
    makeTextBlack(lblDescription);
    lblTitle = createLabel(about::lblTitle);
    makeTextBlack(lblTitle);
    Line1[0] = createLine(about::Line1[0]);
    lblVersion = createLabel(about::lblVersion);
    lblVersion->setText(versionLine());
    lblDisclaimer = createLabel(about::lblDisclaimer);
    makeTextBlack(lblDisclaimer);

    // The labels take no focus, so the button is the only stop in the tab order.
    cmdOK->setFocus();
    describeForScreenReaders();
}

// As a dialog opens, a screen reader reads its name, then its labels that have three words or
// more between spaces, or else its description: none of the lines here has three such words,
// so the description carries them, one sentence each in the order they stand.
void frmAbout::describeForScreenReaders() {
    const QChar fullStop(u'。');
    QString description;
    for (const QLabel* label : {lblVersion, lblDescription, lblDisclaimer}) {
        description += label->text();
        if (!description.endsWith(fullStop))
            description += fullStop;
    }
    setAccessibleDescription(description);
}

QLabel* frmAbout::createLabel(const design::Control& control) {
    auto* label = new QLabel(fromUtf8(control.text), this);
    label->setObjectName(fromUtf8(control.name));
    label->setGeometry(pixelRect(design::toPixels(control.place)));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A line is a borderless strip filled with its colour, which renders exactly its pixel rows.
QWidget* frmAbout::createLine(const design::Line& shape) {
    auto* line = new QWidget(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(pixelRect(about::toPixels(shape)));
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colourOf(shape.colour));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

} // namespace xiangqi
