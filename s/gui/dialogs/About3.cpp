#include "s/gui/dialogs/About3.h"

#include <cstring>

#include "s/app/IAppBase.h"
#include "s/app/IAppWindow.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Box.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/Image.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/Spacer.h"
#include "s/gui/win/Window.h"
#include "s/image/win/BufferedImage.h"
#include "s/lang/Localizer.h"
#include "s/system/win/WebAddress.h"

using s::gui::win::Box;
using s::gui::win::Button;
using s::gui::win::Label;
using s::gui::win::Spacer;
using s::gui::win::Window;
using s::gui::win::WindowEvent;

namespace s::gui::dialogs {

namespace {

// Design sizes (pixels on an ordinary 96-dpi screen).
constexpr int32_t kOuterMargin = 2;
constexpr int32_t kGlyphWidth = 50;
constexpr int32_t kGlyphHeight = 14;
constexpr int32_t kGap = 4;
constexpr int32_t kRowMargin = 7;
constexpr int32_t kProductRowHeight = 22;
constexpr int32_t kIconSize = 16;
constexpr int32_t kIconGap = 5;
constexpr int32_t kCaptionWidth = 140;
constexpr int32_t kRowHeight = 20;
constexpr int32_t kDonationSpace = 7;
constexpr int32_t kGreenMargin = 2;
constexpr int32_t kLightMargin = 3;
constexpr int32_t kLightGap = 2;
constexpr int32_t kBeforeClose = 3;
// Font size codes: heading, product name and donation link, question, rows.
constexpr int32_t kHeadingFont = -104;
constexpr int32_t kProductFont = -103;
constexpr int32_t kQuestionFont = -1;
constexpr int32_t kRowFont = 0;
// The close glyph of the title row.
constexpr const char16_t* kCloseGlyph = u"#X";

Spacer* spacer(bool vertical, int32_t pixels) {
    Spacer* gap = Spacer::newInstance();
    if (vertical) {
        gap->setVertical();
        gap->setFixedHeight(pixels);
    } else {
        gap->setHorizontal();
        gap->setFixedWidth(pixels);
    }
    return gap;
}

// A copy of a picture the window owns: the application lends its logo
// read-only, and the picture component keeps what it draws.
s::image::win::BufferedImage* copyOf(const s::image::win::BufferedImage* picture) {
    if (picture == nullptr || picture->isEmpty()) {
        return nullptr;
    }
    auto* copy = s::image::win::BufferedImage::newInstance();
    if (!copy->resize(picture->getWidth(), picture->getHeight())) {
        copy->release();
        return nullptr;
    }
    std::memcpy(copy->getPixels(), picture->getPixels(),
                static_cast<size_t>(picture->getWidth()) * picture->getHeight() * 4);
    return copy;
}

// The boxes let the mouse through to the window, so that easy drag and the
// middle-click action work anywhere on the window's face, not only on the
// few pixels its margins leave uncovered.
Box* plainBox() {
    Box* made = Box::newInstance();
    made->setMouseTransparent(true);
    return made;
}

Box* box(bool horizontal) {
    Box* made = plainBox();
    if (horizontal) {
        made->setHorizontal();
    } else {
        made->setVertical();
    }
    made->setWidthPercent(100, false);
    return made;
}

} // namespace

About3::~About3() {
    releaseWindow();
}

void About3::reset() {
    releaseWindow();
    owner = nullptr;
    scale = s::gui::scale::win::systemScale();
    settings = nullptr;
    localizer = nullptr;
    textBase = 0;
    donationPageText = 0;
}

void About3::releaseWindow() {
    if (window != nullptr) {
        window->release();
        window = nullptr;
    }
    glyphButton = nullptr;
    webLink = nullptr;
    donationLink = nullptr;
    if (ownerHeld.exchange(false) && owner != nullptr) {
        // A window given back while open (a new show, or the program's end)
        // never raised its close request: the owner must not stay disabled.
        owner->setModal(false);
    }
}

void About3::setSettings(s::app::IAppWindow* windowSettings) {
    settings = windowSettings;
    localizer = settings != nullptr ? settings->getLocalizer() : nullptr;
    textBase = settings != nullptr ? settings->getTextBase() : 0;
    donationPageText = textBase + kDonationPageOffset;
}

void About3::show(Window* ownerWindow) {
    releaseWindow();
    owner = ownerWindow;
    window = Window::newInstance();
    window->setResizable(false);
    window->setClientEdge(false);
    window->setMaximizeBox(false);
    window->setMinimizeBox(false);
    window->bindSettings(settings, false);
    window->setLocalizer(localizer);
    window->setTitleIds(kTitleText, -1);
    buildContent();
    window->addCloser(static_cast<s::base::IObject*>(glyphButton));
    window->addListener(WindowEvent::Close, this);
    // Three passes: the word-wrapped labels settle their heights once the
    // widths of their rows are known, and the rows follow them.
    for (int pass = 0; pass < 3; ++pass) {
        window->doLayout();
    }
    window->fitSize();
    window->moveOnScreen();
    window->setVisible(true, true);
    window->fitSize();
    if (owner != nullptr) {
        ownerHeld = true;
        owner->setModal(true);
    }
}

void About3::onEvent(s::base::IObject* source, int32_t code) {
    if (window != nullptr && source == static_cast<s::base::IObject*>(window)) {
        if (code == static_cast<int32_t>(WindowEvent::Close) && ownerHeld.exchange(false) &&
            owner != nullptr) {
            owner->setModal(false);
        }
        return;
    }
    if (webLink != nullptr && source == static_cast<s::base::IObject*>(webLink)) {
        openText(kWebAddressText);
    } else if (donationLink != nullptr && source == static_cast<s::base::IObject*>(donationLink)) {
        openText(donationPageText);
    }
}

void About3::openText(int32_t textId) {
    if (localizer != nullptr) {
        // The shell's answer changes nothing: a page that does not open
        // leaves the window as it is.
        s::system::win::openWebAddress(localizer->getText(textId));
    }
}

// --- the content -------------------------------------------------------------------

void About3::buildContent() {
    Box* outer = box(false);
    outer->setHeightPercent(100, false);
    outer->alignLeft();
    outer->alignTop();
    outer->setMargins(px(kOuterMargin));
    outer->add(titleRow());
    outer->add(spacer(true, px(kGap)));
    outer->add(contentPanel());
    outer->add(spacer(true, px(kBeforeClose)));
    outer->add(closeRow());
    window->add(outer);
}

Box* About3::titleRow() {
    Box* row = box(true);
    row->alignLeft();
    row->alignMiddle();
    row->setMarginsTopBottom(px(1));
    // The spacer balances the glyph button so that the heading is centred
    // on the window.
    row->add(spacer(false, px(kGlyphWidth + kGap)));
    Box* heading = box(true);
    heading->alignCenter();
    heading->alignMiddle();
    heading->add(textLabel(kTitleText, kHeadingFont, false));
    row->add(heading);
    row->add(spacer(false, px(kGap)));
    glyphButton = Button::newInstance();
    glyphButton->setText(kCloseGlyph);
    glyphButton->setFixedWidth(px(kGlyphWidth));
    glyphButton->setFixedHeight(px(kGlyphHeight));
    glyphButton->addClickListener(window);
    row->add(glyphButton);
    return row;
}

Box* About3::contentPanel() {
    Box* panel = box(false);
    panel->setHeightPercent(100, false);
    panel->alignLeft();
    panel->alignTop();
    panel->setBackgroundWhite(false);
    s::app::IAppBase* application = settings != nullptr ? settings->getAppBase() : nullptr;
    auto* banner = s::gui::win::Image::newInstance();
    banner->setImage(copyOf(application != nullptr ? application->getLogo() : nullptr), true, true,
                     true, true, -1, -1);
    banner->setWidthPercent(100);
    panel->add(banner);
    panel->add(productRow());
    panel->add(spacer(true, px(3)));
    panel->add(informationBlock());
    return panel;
}

Box* About3::productRow() {
    Box* row = box(true);
    row->setFixedHeight(px(kProductRowHeight), false);
    row->alignCenter();
    row->alignMiddle();
    row->setMarginsLeftRight(px(kRowMargin));
    // A large icon image shrunk to the row keeps its detail on scaled
    // displays: 64 pixels at x1, 128 at x2, 256 from x4.
    const int32_t factor = px(1);
    const int32_t source = factor >= 4 ? 256 : factor >= 2 ? 128 : 64;
    s::app::IAppBase* application = settings != nullptr ? settings->getAppBase() : nullptr;
    auto* icon = s::gui::win::Image::newInstance();
    icon->setImage(application != nullptr ? application->getIconImage(source) : nullptr, true, true,
                   false, true, px(kIconSize), px(kIconSize));
    row->add(icon);
    row->add(spacer(false, px(kIconGap)));
    row->add(panelLabel(textBase, kProductFont, true));
    return row;
}

Box* About3::informationBlock() {
    Box* block = box(false);
    block->setHeightPercent(100, false);
    block->alignCenter();
    block->alignTop();
    block->add(
        informationRow(kVersionCaption, panelLabel(textBase + kVersionOffset, kRowFont, false)));
    block->add(
        informationRow(kUpdatedCaption, panelLabel(textBase + kUpdatedOffset, kRowFont, false)));
    block->add(
        informationRow(kLicenseCaption, panelLabel(textBase + kLicenseOffset, kRowFont, false)));
    webLink = linkLabel(kWebAddressText, kRowFont, false);
    block->add(informationRow(kUrlCaption, webLink));
    block->add(spacer(true, px(kDonationSpace)));
    block->add(donationFrame());
    block->add(spacer(true, px(kDonationSpace)));
    return block;
}

Box* About3::informationRow(int32_t captionId, Label* value) {
    Box* row = box(true);
    row->alignRight();
    row->alignTop();
    row->setMarginsLeftRight(px(kRowMargin));
    Box* caption = plainBox();
    caption->setVertical();
    caption->setFixedWidth(px(kCaptionWidth), false);
    caption->setFixedHeight(px(kRowHeight), false);
    caption->alignLeft();
    caption->alignMiddle();
    caption->add(panelLabel(captionId, kRowFont, false));
    row->add(caption);
    Box* valueBox = box(true);
    valueBox->setFixedHeight(px(kRowHeight), false);
    valueBox->alignLeft();
    valueBox->alignMiddle();
    valueBox->add(value);
    row->add(valueBox);
    return row;
}

Box* About3::donationFrame() {
    Box* frame = box(false);
    frame->alignCenter();
    frame->alignTop();
    frame->setMarginsLeftRight(px(kRowMargin));
    Box* green = box(false);
    green->setBackground(154, 206, 2, false);
    green->alignCenter();
    green->alignTop();
    green->setMargins(px(kGreenMargin));
    Box* light = box(false);
    light->setBackground(238, 250, 199, false);
    light->alignCenter();
    light->alignTop();
    light->setMargins(px(kLightMargin));
    light->setVerticalGap(px(kLightGap));
    light->add(panelLabel(textBase + kDonationQuestionOffset, kQuestionFont, true));
    donationLink = linkLabel(textBase + kDonationRequestOffset, kProductFont, true);
    light->add(donationLink);
    green->add(light);
    frame->add(green);
    return frame;
}

Box* About3::closeRow() {
    Box* row = box(true);
    row->alignCenter();
    row->alignTop();
    Button* close = Button::newInstance();
    close->setLocalizer(localizer);
    close->setTextId(kCloseText);
    close->setWidthPercent(100);
    close->setFixedHeight(px(kRowHeight));
    close->addClickListener(window);
    window->addCloser(static_cast<s::base::IObject*>(close));
    row->add(close);
    return row;
}

Label* About3::textLabel(int32_t textId, int32_t fontSize, bool wordWrap) {
    Label* label = Label::newInstance();
    label->setLocalizer(localizer);
    label->setTextId(textId);
    label->setFontSize(fontSize);
    label->setWordWrap(wordWrap);
    return label;
}

// Texts on the content panel's own light backgrounds are black whatever the
// skin: a skin's text colour suits the skin's background, and a dark
// scheme's white text would vanish on the white panel.
Label* About3::panelLabel(int32_t textId, int32_t fontSize, bool wordWrap) {
    Label* label = textLabel(textId, fontSize, wordWrap);
    label->setTextColor(0, 0, 0);
    return label;
}

Label* About3::linkLabel(int32_t textId, int32_t fontSize, bool wordWrap) {
    Label* label = textLabel(textId, fontSize, wordWrap);
    label->setLink(true);
    label->getLinkFont()->setTextColor(0, 170, 0);
    label->getHoverFont()->setTextColor(170, 170, 0);
    label->addListener(this);
    return label;
}

} // namespace s::gui::dialogs
