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
const QString kCaption = QStringLiteral("关于 tovan中国象棋");
const QString kTitle = QStringLiteral("tovan中国象棋");
const QString kAuthor = QStringLiteral("作者：tovan 工作室");
const QString kDisclaimer = QStringLiteral("本软件受著作权法保护，未经许可不得复制。");
const QColor kEtchShadow(128, 128, 128);
const QColor kEtchHighlight(255, 255, 255);
const QString kPicture = QStringLiteral(":/about/about.png");

// The shipped picture at 1x, drawn afresh at other device pixel ratios.
QImage pictureFor(qreal ratio) {
    return ratio == 1 ? QImage(kPicture) : drawing::AboutDrawing(drawing::songFont()).image(ratio);
}

// "版本 major.minor.revision" from the application version; missing parts read as 0.
QString versionLine() {
    const QVersionNumber version =
        QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return QStringLiteral("版本 %1.%2.%3")
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion());
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
    setWindowTitle(kCaption);
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
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(16, 16, 36, 36);
    picIcon->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picIcon->setLineWidth(2);

    cmdOK = new QPushButton(QStringLiteral("确定"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(275, 175, 100, 23);
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    Line1[1] = createLine(kEtchShadow, QRect(6, 163, 371, 1));
    lblDescription = createLabel(QStringLiteral("lblDescription"), kAuthor, QRect(70, 75, 259, 78));
    lblDescription->setWordWrap(true);
    makeTextBlack(lblDescription);
    lblTitle = createLabel(QStringLiteral("lblTitle"), kTitle, QRect(70, 16, 259, 32));
    makeTextBlack(lblTitle);
    Line1[0] = createLine(kEtchHighlight, QRect(7, 164, 370, 2));
    lblVersion = createLabel(QStringLiteral("lblVersion"), versionLine(), QRect(70, 52, 259, 15));
    lblDisclaimer =
        createLabel(QStringLiteral("lblDisclaimer"), kDisclaimer, QRect(17, 175, 242, 23));
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

QLabel* frmAbout::createLabel(const QString& name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// A line is a borderless strip filled with its colour, which renders exactly its pixel rows.
QWidget* frmAbout::createLine(const QColor& colour, QRect geometry) {
    auto* line = new QWidget(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setGeometry(geometry);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

} // namespace xiangqi
