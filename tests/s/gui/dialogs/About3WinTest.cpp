#include "s/gui/dialogs/About3.h"

#include <cmath>
#include <string>

#include "s/app/WindowRules.h"
#include "s/app/win/AppWindow.h"
#include "s/gui/IContainer.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/win/Box.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/Window.h"
#include "s/lang/Localizer.h"
#include "s/map/IMappedData.h"
#include "tests/s/app/win/TestProduct.h"
#include "tests/s/gui/win/ControlHost.h"
#include "tests/s/gui/win/RecordingDrawers.h"

using s::app::win::AppWindow;
using s::gui::IComponent;
using s::gui::IContainer;
using s::gui::dialogs::About3;
using s::gui::scale::DisplayScale;
using s::gui::win::Window;
using s::thread::PoolRef;

namespace {

// The version window over the test product's "AboutWindow" settings, with
// the program's logo and icon from the test program's resources, opened
// from a shown owner window.
class About3WinTest : public TestProduct {
public:
    void SetUp() override {
        TestProduct::SetUp();
        identity.iconResourceId = 150;
        identity.logoResourceType = u"IDR_JPG";
        identity.wideLogoId = 131;
        identity.tallLogoId = 132;
        start();
        owner.assign(Window::newInstance());
        owner->setSize(200, 100);
        owner->setVisible(true);
    }
    void TearDown() override {
        about.assign(nullptr);
        settings.assign(nullptr);
        owner.assign(nullptr);
        TestProduct::TearDown();
    }

    // Shows the window at a display scale; the settings' sections follow the
    // screen factor of that scale.
    void open(int32_t screenFactor, int32_t dpi = 96) {
        settings.assign(AppWindow::newInstance());
        settings->init(appBase.get(), u"AboutWindow", appBase->getSoftwareType(), 340, 285, true,
                       false, s::app::WindowRules::kClose, nullptr, u"Classic LG", screenFactor);
        about.assign(About3::newInstance());
        about->setSettings(settings.get());
        about->setScale(DisplayScale(screenFactor, dpi));
        about->show(owner.get());
        ASSERT_NE(nullptr, about->getWindow());
    }

    // The component at a path of child indexes below the window.
    IComponent* at(std::initializer_list<int32_t> path) const {
        IComponent* component = about->getWindow();
        for (int32_t index : path) {
            auto* container = dynamic_cast<IContainer*>(component);
            if (container == nullptr || index >= container->getComponentCount()) {
                return nullptr;
            }
            component = container->getComponent(index);
        }
        return component;
    }
    // Outer box: title row, spacer, content panel, spacer, Close row.
    IComponent* banner() const { return at({0, 2, 0}); }
    IComponent* productRow() const { return at({0, 2, 1}); }
    IComponent* informationRow(int32_t row) const { return at({0, 2, 3, row}); }
    IComponent* captionBox(int32_t row) const { return at({0, 2, 3, row, 0}); }
    IComponent* donationGreen() const { return at({0, 2, 3, 5, 0}); }
    HWND closeButton() const {
        auto* button = dynamic_cast<s::gui::win::Button*>(at({0, 4, 0}));
        return button != nullptr ? button->getHandle() : nullptr;
    }
    std::u16string labelText(IComponent* component) const {
        auto* label = dynamic_cast<s::gui::win::Label*>(component);
        return label != nullptr ? std::u16string(label->getText()) : u"<no label>";
    }
    std::u16string text(int32_t id) const { return appBase->getLocalizer()->getText(id); }

    bool ownerEnabled() const { return IsWindowEnabled(owner->getHandle()) != FALSE; }
    bool waitOwnerEnabled() {
        return controlhost::pumpUntil([this] { return ownerEnabled(); });
    }

    PoolRef<Window> owner;
    PoolRef<AppWindow> settings;
    PoolRef<About3> about;
};

} // namespace

TEST_F(About3WinTest, DesignSizesAtFactorOne) {
    open(1);
    s::gui::win::Button* glyph = about->getGlyphButton();
    ASSERT_NE(nullptr, glyph);
    EXPECT_EQ(std::u16string(u"#X"), glyph->getText()) << "the close glyph, for the drawer";
    EXPECT_EQ(50, glyph->getWidth());
    EXPECT_EQ(14, glyph->getHeight());
    for (int32_t row = 0; row < 4; ++row) {
        ASSERT_NE(nullptr, captionBox(row)) << row;
        EXPECT_EQ(140, captionBox(row)->getWidth()) << row;
        EXPECT_EQ(20, captionBox(row)->getHeight()) << row;
    }
    ASSERT_NE(nullptr, productRow());
    EXPECT_EQ(22, productRow()->getHeight());
    // The banner spans the content panel and keeps the logo's 700 x 230.
    IComponent* picture = banner();
    ASSERT_NE(nullptr, picture);
    EXPECT_EQ(at({0, 2})->getClientWidth(), picture->getWidth());
    EXPECT_NEAR(picture->getWidth() * 230.0 / 700.0, picture->getHeight(), 1.0);
    EXPECT_GT(picture->getHeight(), 50);
    // The window is as small as its content allows, not the stored default.
    EXPECT_EQ(about->getWindow()->getMinimumWidth(), about->getWindow()->getWidth());
    EXPECT_EQ(about->getWindow()->getMinimumHeight(), about->getWindow()->getHeight());
}

TEST_F(About3WinTest, EveryDimensionDoublesAtFactorTwoAndTheBoundsGoToItsSection) {
    open(2);
    s::gui::win::Button* glyph = about->getGlyphButton();
    ASSERT_NE(nullptr, glyph);
    EXPECT_EQ(100, glyph->getWidth());
    EXPECT_EQ(28, glyph->getHeight());
    for (int32_t row = 0; row < 4; ++row) {
        ASSERT_NE(nullptr, captionBox(row)) << row;
        EXPECT_EQ(280, captionBox(row)->getWidth()) << row;
        EXPECT_EQ(40, captionBox(row)->getHeight()) << row;
    }
    EXPECT_EQ(44, productRow()->getHeight());
    EXPECT_NEAR(banner()->getWidth() * 230.0 / 700.0, banner()->getHeight(), 1.0);
    const int32_t width = about->getWindow()->getWidth();
    about->getWindow()->close();
    ASSERT_TRUE(waitOwnerEnabled());
    s::map::IMappedData& store = *appBase->getSettings();
    EXPECT_EQ(width, store.getInt32(u"AboutWindow\\View4K", u"Width", -1));
    EXPECT_FALSE(store.hasValue(u"AboutWindow\\View", u"Width"));
}

TEST_F(About3WinTest, ScaledDisplayBelowLargeScreenSizesByItsDpi) {
    // 144 dpi on an ordinary screen: one and a half times the design sizes.
    open(1, 144);
    EXPECT_EQ(75, about->getGlyphButton()->getWidth());
    EXPECT_EQ(21, about->getGlyphButton()->getHeight());
    EXPECT_EQ(210, captionBox(0)->getWidth());
}

TEST_F(About3WinTest, TextsComeFromThePackRelativeToTheProductBase) {
    open(1);
    const int32_t base = settings->getTextBase();
    EXPECT_EQ(text(base), labelText(at({0, 2, 1, 2})));
    EXPECT_EQ(text(400100), labelText(at({0, 0, 1, 0})));
    EXPECT_EQ(text(400010), labelText(at({0, 2, 3, 0, 0, 0})));
    EXPECT_EQ(text(base + 10), labelText(at({0, 2, 3, 0, 1, 0})));
    EXPECT_EQ(text(base + 20), labelText(at({0, 2, 3, 1, 1, 0})));
    EXPECT_EQ(text(base + 50), labelText(at({0, 2, 3, 2, 1, 0})));
    ASSERT_NE(nullptr, about->getWebLink());
    EXPECT_EQ(text(101000), std::u16string(about->getWebLink()->getText()));
    EXPECT_TRUE(about->getWebLink()->isLink());
    ASSERT_NE(nullptr, about->getDonationLink());
    EXPECT_EQ(text(base + 90), std::u16string(about->getDonationLink()->getText()));
    EXPECT_EQ(text(base + 89), labelText(at({0, 2, 3, 5, 0, 0, 0})));
    // The links' colours: green, olive under the mouse.
    EXPECT_EQ(RGB(0, 170, 0), about->getWebLink()->getLinkFont()->getTextColor());
    EXPECT_EQ(RGB(170, 170, 0), about->getDonationLink()->getHoverFont()->getTextColor());
    auto* green = dynamic_cast<s::gui::win::Box*>(donationGreen());
    ASSERT_NE(nullptr, green);
    EXPECT_EQ(RGB(154, 206, 2), green->getBackground());
    auto* light = dynamic_cast<s::gui::win::Box*>(at({0, 2, 3, 5, 0, 0}));
    ASSERT_NE(nullptr, light);
    EXPECT_EQ(RGB(238, 250, 199), light->getBackground());
}

TEST_F(About3WinTest, OwnerIsDisabledWhileOpenAndEnabledAgainHoweverItCloses) {
    struct Way {
        const char* name;
        void (*close)(About3WinTest&);
    };
    const Way ways[] = {
        {"glyph button",
         [](About3WinTest& test) {
             SendMessageW(test.about->getGlyphButton()->getHandle(), BM_CLICK, 0, 0);
         }},
        {"Close button",
         [](About3WinTest& test) { SendMessageW(test.closeButton(), BM_CLICK, 0, 0); }},
        {"middle click",
         [](About3WinTest& test) {
             SendMessageW(test.about->getWindow()->getHandle(), WM_MBUTTONDOWN, 0,
                          MAKELPARAM(5, 5));
         }},
        {"system close",
         [](About3WinTest& test) {
             SendMessageW(test.about->getWindow()->getHandle(), WM_SYSCOMMAND, SC_CLOSE, 0);
         }},
    };
    for (const Way& way : ways) {
        open(1);
        EXPECT_FALSE(ownerEnabled()) << way.name;
        EXPECT_TRUE(about->isOwnerHeld()) << way.name;
        way.close(*this);
        EXPECT_TRUE(waitOwnerEnabled()) << way.name;
        EXPECT_TRUE(about->getWindow()->isClosed()) << way.name;
        EXPECT_FALSE(about->isOwnerHeld()) << way.name;
    }
}

TEST_F(About3WinTest, ShowingAgainOrGivingBackAnOpenWindowLeavesTheOwnerUsable) {
    open(1);
    about->show(owner.get());
    EXPECT_NE(nullptr, about->getWindow());
    EXPECT_FALSE(ownerEnabled());
    about->getWindow()->close();
    EXPECT_TRUE(waitOwnerEnabled());
    // Given back while open (the program ends with the window up).
    about->show(owner.get());
    EXPECT_FALSE(ownerEnabled());
    about.assign(nullptr);
    EXPECT_TRUE(waitOwnerEnabled());
}

TEST_F(About3WinTest, WithASkinTheFrameTheCloseGlyphAndTheTextsAreTheSkins) {
    recording::TestSkin skin(u"Classic LG", RGB(116, 116, 116), RGB(255, 255, 255), RGB(0, 170, 0));
    // The window keeps a skin of its own: the settings take the skinner.
    auto* skinner = s::gui::drawer::Skinner::newInstance();
    skinner->addScheme(&skin);
    settings.assign(AppWindow::newInstance());
    settings->init(appBase.get(), u"AboutWindow", appBase->getSoftwareType(), 340, 285, true, false,
                   s::app::WindowRules::kClose, skinner, u"Classic LG", 1);
    about.assign(About3::newInstance());
    about->setSettings(settings.get());
    about->setScale(DisplayScale(1, 96));
    about->show(owner.get());
    Window* window = about->getWindow();
    ASSERT_NE(nullptr, window);
    EXPECT_EQ(&skin.window, window->getDrawer());

    s::gui::win::Button* glyph = about->getGlyphButton();
    EXPECT_EQ(&skin.button, glyph->getDrawer());
    const auto drawnGlyph = [&skin] {
        for (const recording::ButtonCall& call : skin.button.taken()) {
            if (call.label == u"#X") {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(controlhost::pumpUntil(drawnGlyph)) << "the glyph's name goes to the drawer";
    EXPECT_EQ(50, glyph->getWidth()) << "sizes as without a skin";
    EXPECT_EQ(14, glyph->getHeight());
    auto* heading = dynamic_cast<s::gui::win::Label*>(at({0, 0, 1, 0}));
    ASSERT_NE(nullptr, heading);
    EXPECT_EQ(RGB(255, 255, 255), heading->getFont()->getTextColor()) << "the scheme's text";
    // Texts on the panel's own light backgrounds stay readable in a scheme
    // with white text.
    for (IComponent* onPanel : {at({0, 2, 1, 2}), at({0, 2, 3, 0, 0, 0}), at({0, 2, 3, 0, 1, 0}),
                                at({0, 2, 3, 5, 0, 0, 0})}) {
        auto* label = dynamic_cast<s::gui::win::Label*>(onPanel);
        ASSERT_NE(nullptr, label);
        EXPECT_EQ(RGB(0, 0, 0), label->getFont()->getTextColor()) << label->getText();
    }

    SendMessageW(glyph->getHandle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(waitOwnerEnabled()) << "the drawn glyph button still closes";
    EXPECT_TRUE(window->isClosed());
    // The skin is the test's: the window and its settings go first.
    about.assign(nullptr);
    settings.assign(nullptr);
}
