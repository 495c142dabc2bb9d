#include "s/image/win/IconArchive.h"

#include <cstring>
#include <utility>

#include "s/image/win/BufferedImage.h"
#include "s/platform/win/GdiObject.h"
#include "s/platform/win/ModuleResource.h"
#include "s/platform/win/WindowDC.h"

namespace s::image::win {

namespace {

using s::platform::win::OwnedGdiObject;
using s::platform::win::OwnedIcon;
using s::thread::PoolRef;

// The icon resource format version CreateIconFromResourceEx expects.
constexpr DWORD iconFormatVersion = 0x00030000;

// The rows of a bitmap as 32-bit pixels, top row first.
std::vector<uint32_t> pixelsOf(HBITMAP bitmap, int32_t width, int32_t height) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    s::platform::win::WindowDC screen(nullptr);
    if (!screen || GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), pixels.data(),
                             &info, DIB_RGB_COLORS) != height) {
        pixels.clear();
    }
    return pixels;
}

bool hasAlpha(const std::vector<uint32_t>& pixels) {
    for (uint32_t pixel : pixels) {
        if ((pixel & 0xFF000000u) != 0) {
            return true;
        }
    }
    return false;
}

// An icon's colours with their transparency: 32-bit images bring their own
// alpha; older ones are opaque where the AND mask is black. A monochrome
// icon keeps both halves in its mask bitmap: AND on top, colours below.
bool imageOf(HICON icon, BufferedImage& image) {
    ICONINFO parts = {};
    if (!GetIconInfo(icon, &parts)) {
        return false;
    }
    OwnedGdiObject<HBITMAP> colour(parts.hbmColor);
    OwnedGdiObject<HBITMAP> mask(parts.hbmMask);
    BITMAP shape = {};
    if (!mask || GetObjectW(mask.get(), sizeof(shape), &shape) == 0) {
        return false;
    }
    const int32_t width = shape.bmWidth;
    const int32_t height = colour ? shape.bmHeight : shape.bmHeight / 2;
    if (width <= 0 || height <= 0 || !image.resize(width, height)) {
        return false;
    }
    const std::vector<uint32_t> maskPixels =
        pixelsOf(mask.get(), width, colour ? height : height * 2);
    const std::vector<uint32_t> colourPixels =
        colour ? pixelsOf(colour.get(), width, height)
               : std::vector<uint32_t>(maskPixels.begin() + static_cast<ptrdiff_t>(width) * height,
                                       maskPixels.end());
    if (maskPixels.empty() || colourPixels.empty()) {
        image.clear();
        return false;
    }
    const bool ownAlpha = hasAlpha(colourPixels);
    uint32_t* target = reinterpret_cast<uint32_t*>(image.getPixels());
    for (size_t i = 0; i < colourPixels.size(); ++i) {
        const bool transparent = (maskPixels[i] & 0x00FFFFFFu) != 0;
        const uint32_t alpha =
            ownAlpha ? (colourPixels[i] & 0xFF000000u) : (transparent ? 0u : 0xFF000000u);
        target[i] = (colourPixels[i] & 0x00FFFFFFu) | alpha;
    }
    return true;
}

OwnedIcon iconOf(HMODULE module, const s::image::icon::IconDirectory::Entry& entry) {
    s::platform::win::ModuleResource resource;
    if (!resource.find(module, RT_ICON, entry.resourceId) || resource.size > 0x7FFFFFFFu) {
        return OwnedIcon();
    }
    return OwnedIcon(CreateIconFromResourceEx(
        const_cast<PBYTE>(resource.bytes), static_cast<DWORD>(resource.size), TRUE,
        iconFormatVersion, entry.width, entry.height, LR_DEFAULTCOLOR));
}

} // namespace

void IconArchive::reset() {
    directory = s::image::icon::IconDirectory();
    images.clear();
    handles.clear();
    decoded.clear();
    decodedIndex.clear();
}

bool IconArchive::open(HMODULE module, int32_t groupId) {
    reset();
    s::platform::win::ModuleResource group;
    if (!group.find(module, RT_GROUP_ICON, groupId) || !directory.parse(group.bytes, group.size)) {
        return false;
    }
    for (size_t index = 0; index < directory.getCount(); ++index) {
        OwnedIcon icon = iconOf(module, directory.getEntry(index));
        PoolRef<BufferedImage> image = PoolRef<BufferedImage>::take();
        if (!icon || !imageOf(icon.get(), *image)) {
            icon.assign(nullptr);
            image.assign(nullptr);
        } else {
            decoded.push_back(directory.getEntry(index));
            decodedIndex.push_back(index);
        }
        handles.push_back(std::move(icon));
        images.push_back(std::move(image));
    }
    return true;
}

BufferedImage* IconArchive::getEntryImage(size_t index) const {
    if (index >= images.size() || !images[index]) {
        return nullptr;
    }
    const BufferedImage& source = *images[index];
    PoolRef<BufferedImage> copy = PoolRef<BufferedImage>::take();
    if (!copy->resize(source.getWidth(), source.getHeight())) {
        return nullptr;
    }
    std::memcpy(copy->getPixels(), source.getPixels(),
                static_cast<size_t>(source.getWidth()) * static_cast<size_t>(source.getHeight()) *
                    4u);
    return copy.detach();
}

HICON IconArchive::getEntryHandle(size_t index) const {
    return index < handles.size() ? handles[index].get() : nullptr;
}

int32_t IconArchive::selectEntry(int32_t size) const {
    const int32_t chosen = s::image::icon::IconDirectory::select(decoded, size);
    return chosen < 0 ? -1 : static_cast<int32_t>(decodedIndex[static_cast<size_t>(chosen)]);
}

BufferedImage* IconArchive::getIconImage(int32_t size) const {
    const int32_t index = selectEntry(size);
    return index < 0 ? nullptr : getEntryImage(static_cast<size_t>(index));
}

HICON IconArchive::getIconHandle(int32_t size) const {
    const int32_t index = selectEntry(size);
    return index < 0 ? nullptr : getEntryHandle(static_cast<size_t>(index));
}

} // namespace s::image::win
