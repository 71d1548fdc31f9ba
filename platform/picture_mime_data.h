#pragma once
// Clipboard content for a picture: to this program the picture itself, to
// other programs a bitmap, drawn only when one of them asks for it.

#include "host/interface/host_picture.h"

#include <QMimeData>

#include <memory>

namespace jubilo {

class PictureMimeData : public QMimeData {
public:
    explicit PictureMimeData(std::shared_ptr<const HostPicture> picture);

    const std::shared_ptr<const HostPicture>& picture() const { return picture_; }

    bool hasFormat(const QString& mimeType) const override;
    QStringList formats() const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    std::shared_ptr<const HostPicture> picture_;
};

}  // namespace jubilo
