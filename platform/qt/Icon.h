#pragma once

#include <memory>

class QIcon;
struct IconBitmap;

// An icon made from a resource picture; cheap to copy, null when default-constructed.
class Icon {
public:
    Icon() = default;
    explicit Icon(const IconBitmap& bitmap);
    bool IsNull() const { return !icon_; }
    const QIcon& ToQIcon() const;

private:
    std::shared_ptr<const QIcon> icon_;
};
