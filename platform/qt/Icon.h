#pragma once

#include <memory>

class QIcon;
class QImage;
struct IconBitmap;

// An icon made from a resource picture; cheap to copy, null when default-constructed. It holds
// the picture at its own size and at twice that, for screens that scale by two.
class Icon {
public:
    Icon() = default;
    explicit Icon(const IconBitmap& bitmap);
    bool IsNull() const { return !icon_; }
    const QIcon& ToQIcon() const;

private:
    std::shared_ptr<const QIcon> icon_;
};

// The picture at size by size pixels, each pixel taken whole from the picture's pixel under its
// centre: enlargements by a whole factor stay sharp, and no size blends colours.
QImage IconImage(const IconBitmap& bitmap, int size);
