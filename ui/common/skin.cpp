#include "ui/common/skin.h"

#include "platform/system.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>
#include <QStringDecoder>

#include <stdexcept>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Skin)
};

}  // namespace

void SkinFramework::loadSkin(const QString& path, const QString& /*ini*/)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        //: %1 is the skin file's path, %2 the system's reason.
        throw std::runtime_error(
            Texts::tr("The skin could not be loaded from %1: %2").arg(path, file.errorString()).toStdString());
    const QByteArray bytes = file.readAll();
    QStringDecoder decode(QStringDecoder::Utf8);
    QString text = decode(bytes);
    if (decode.hasError())
        throw std::runtime_error(Texts::tr("The skin file %1 is not UTF-8 text").arg(path).toStdString());
    styleSheet_ = std::move(text);
    loaded_ = true;
}

void SkinFramework::applyWindow(QWidget& window)
{
    if (!loaded_)
        throw std::runtime_error("No skin has been loaded");
    if (!enabled_)
        return;
    const QSize designed = window.size();
    window.setStyleSheet(styleSheet_);
    if (applyOptions_ & kApplyMetrics)
        window.resize(designed);
    if (repaintOnApply_)
        window.update();
}

QString skinPath(const QString& programFolder) { return QDir(programFolder).filePath(QStringLiteral("x/o.cjs")); }

QColor buttonFaceColour() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }

namespace {

void paintBackground(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

bool isFrame(const QWidget& widget)
{
    // A QLabel is a QFrame too; only plain frames and group boxes count here.
    return qobject_cast<const QGroupBox*>(&widget) || widget.metaObject() == &QFrame::staticMetaObject;
}

bool takesButtonFace(const QWidget& widget, bool includePictureBoxes)
{
    if (qobject_cast<const QRadioButton*>(&widget) || qobject_cast<const QCheckBox*>(&widget)
        || qobject_cast<const QLabel*>(&widget) || isFrame(widget))
        return true;
    return includePictureBoxes && widget.property(kPictureBoxProperty).toBool();
}

void colourElements(QWidget& window, bool includePictureBoxes)
{
    const QColor face = buttonFaceColour();
    paintBackground(window, face);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (takesButtonFace(*child, includePictureBoxes))
            paintBackground(*child, face);
    }
}

}  // namespace

void applySkin(QWidget& window, SkinFramework& skin)
{
    const QString path = skinPath(system().programFolder());
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return;
    colourElements(window, /*includePictureBoxes=*/true);
    skin.loadSkin(path, QString());
    skin.setApplyOptions(skin.applyOptions() | SkinFramework::kApplyMetrics);
    skin.setEnabled(true);
    skin.setRepaintOnApply(true);
    skin.applyWindow(window);
}

void useButtonFaceColours(QWidget& window) { colourElements(window, /*includePictureBoxes=*/false); }

}  // namespace jubilo
