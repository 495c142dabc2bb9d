#include "s/gui/dialogs/FlexAsker.h"

#include "s/app/IAppWindow.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Box.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/CheckBox.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/Spacer.h"
#include "s/gui/win/Window.h"
#include "s/lang/Localizer.h"

namespace s::gui::dialogs {

using s::gui::win::Box;
using s::gui::win::Button;
using s::gui::win::CheckBox;
using s::gui::win::Label;
using s::gui::win::Spacer;
using s::gui::win::Window;
using s::gui::win::WindowEvent;

namespace {

// Keys the dialog answers to.
constexpr int32_t kTabKey = VK_TAB;
constexpr int32_t kEnterKey = VK_RETURN;
// The question's font: the normal text size.
constexpr int32_t kQuestionFontSize = 0;

int32_t scaled(int32_t designPixels) {
    return s::gui::scale::win::systemScale().pixels(designPixels);
}

Spacer* verticalSpacer(int32_t designHeight) {
    Spacer* spacer = Spacer::newInstance();
    spacer->setVertical();
    spacer->setFixedHeight(scaled(designHeight));
    return spacer;
}

Spacer* horizontalSpacer(int32_t designWidth) {
    Spacer* spacer = Spacer::newInstance();
    spacer->setHorizontal();
    spacer->setFixedWidth(scaled(designWidth));
    return spacer;
}

// A row as wide as its column.
Box* fullWidthRow() {
    Box* row = Box::newInstance();
    row->setHorizontal();
    row->setWidthPercent(100, false);
    row->alignTop();
    return row;
}

bool isLiveWindow(HWND handle) {
    return handle != nullptr && IsWindow(handle) != FALSE;
}

} // namespace

FlexAsker::~FlexAsker() {
    dropWindow();
}

void FlexAsker::reset() {
    dropWindow();
    settings = nullptr;
    parent = nullptr;
    answer = false;
    dontAskAgain = false;
}

void FlexAsker::dropWindow() {
    // The window owns the buttons, the check box and the label.
    yesButton = nullptr;
    noButton = nullptr;
    checkBox = nullptr;
    questionLabel = nullptr;
    if (Window* previous = window.exchange(nullptr)) {
        previous->release();
    }
}

// --- asking ---------------------------------------------------------------------

void FlexAsker::ask(HWND parentWindow, const char16_t* title, const char16_t* question) {
    // 1. A fresh window for every question.
    parent = parentWindow;
    answer = false;
    dontAskAgain = false;
    dropWindow();
    buildWindow(title);
    buildContent(question);
    placeWindow();

    // 2. The question belongs to its parent: no input there while it is
    // open. A parent that was disabled already (by another question) is
    // left disabled afterwards, so that this dialog never frees the other.
    const bool parentLive = isLiveWindow(parent);
    const bool parentWasEnabled = parentLive && IsWindowEnabled(parent) != FALSE;
    if (parentLive) {
        EnableWindow(parent, FALSE);
    }
    waitUntilClosed();
    if (parentWasEnabled && isLiveWindow(parent)) {
        EnableWindow(parent, TRUE);
    }
}

void FlexAsker::buildWindow(const char16_t* title) {
    Window* created = Window::newInstance();
    window = created;
    created->setResizable(true);
    created->setClientEdge(false);
    created->setMaximizeBox(false);
    created->setMinimizeBox(false);
    created->bindSettings(settings, false);
    // The title is the question's, not the product name the settings give;
    // without ids a language change leaves it alone.
    created->setTitleIds(-1, -1);
    s::lang::Localizer* localizer = settings != nullptr ? settings->getLocalizer() : nullptr;
    if (title == nullptr && localizer != nullptr) {
        title = localizer->getText(kTitleTextId);
    }
    created->setTitle(title != nullptr ? title : u"");
}

void FlexAsker::buildContent(const char16_t* question) {
    Window* target = window.load();
    s::lang::Localizer* localizer = settings != nullptr ? settings->getLocalizer() : nullptr;
    if (question == nullptr && localizer != nullptr) {
        question = localizer->getText(kQuestionTextId);
    }

    // 1. The parts: without the option the check box still stands in its
    // row, labelled with a text the pack does not have (empty).
    checkBox = CheckBox::newInstance();
    checkBox->setLocalizer(localizer);
    checkBox->setTextId(showCheckBox ? dontAskTextId : kNoCheckBoxTextId);
    checkBox->setChecked(false);
    checkBox->setWordWrap(false);
    noButton = Button::newInstance();
    noButton->setLocalizer(localizer);
    noButton->setTextId(noTextId);
    yesButton = Button::newInstance();
    yesButton->setLocalizer(localizer);
    yesButton->setTextId(yesTextId);
    questionLabel = Label::newInstance();
    questionLabel->setLocalizer(localizer);
    questionLabel->setText(question != nullptr ? question : u"", false);
    questionLabel->setFontSize(kQuestionFontSize);
    questionLabel->setWordWrap(false);
    questionLabel->setEllipsis(false);

    // 2. The column:
    //   +--------------------------------------+
    //   |  gap                                 |
    //   |  question                            |
    //   |  gap                                 |
    //   |                    [ Yes ]   [ No ]  |
    //   |  [ ] don't ask                       |
    //   |  gap                                 |
    //   +--------------------------------------+
    Box* buttonRow = fullWidthRow();
    buttonRow->alignRight();
    buttonRow->add(yesButton);
    buttonRow->add(horizontalSpacer(kGapBetweenButtons));
    buttonRow->add(noButton);
    Box* checkBoxRow = fullWidthRow();
    checkBoxRow->alignLeft();
    checkBoxRow->add(checkBox);

    Box* column = Box::newInstance();
    column->setVertical();
    column->setWidthPercent(100, false);
    column->setHeightPercent(100, false);
    column->alignCenter();
    column->alignTop();
    column->setMarginsLeftRight(scaled(kMarginLeftRight));
    column->setMarginsTopBottom(scaled(kMarginTopBottom));
    column->add(verticalSpacer(kGapAboveQuestion));
    column->add(questionLabel);
    column->add(verticalSpacer(kGapBelowQuestion));
    column->add(buttonRow);
    column->add(checkBoxRow);
    column->add(verticalSpacer(kGapAtBottom));
    target->add(column);

    // 3. Listeners: both buttons, both changes of the check box, and the
    // window's keys and close requests.
    yesButton->addClickListener(this);
    noButton->addClickListener(this);
    checkBox->addCheckedListener(this);
    checkBox->addUncheckedListener(this);
    target->addListener(WindowEvent::KeyDown, this);
    target->addListener(WindowEvent::Close, this);
    target->setTaskbarButton(true);
}

void FlexAsker::placeWindow() {
    Window* target = window.load();
    // 1. The height from the content, every time: a stored size would keep
    // a question of another length in the wrong box.
    if (settings != nullptr) {
        settings->removeBounds();
    }
    target->doLayout();
    target->fitHeight();
    target->doLayout();

    // 2. Never narrower than the question.
    const int32_t wanted = questionLabel->getPreferredWidth() + scaled(kWidthBeyondQuestion);
    if (target->getWidth() < wanted) {
        target->setSize(wanted, target->getHeight());
    }

    // 3. Centred on the parent's window rectangle.
    centreOnParent();

    // 4. Yes is the default; the dialog shows on the screen, in front.
    target->doLayout();
    target->enforceMinimumSize();
    yesButton->makeDefault();
    target->moveOnScreen();
    target->setVisible(true, true);
}

void FlexAsker::centreOnParent() {
    Window* target = window.load();
    RECT parentRect;
    if (!isLiveWindow(parent) || GetWindowRect(parent, &parentRect) == FALSE) {
        return;
    }
    if (IsIconic(parent) != FALSE || IsWindowVisible(parent) == FALSE) {
        // A minimized or hidden parent has no place on the screen (a
        // minimized one lies far outside it): the question goes to the
        // middle of the screen rather than to its edge.
        target->centerOnWorkArea();
    } else {
        target->setLocation((parentRect.left + parentRect.right) / 2 - target->getWidth() / 2,
                            (parentRect.top + parentRect.bottom) / 2 - target->getHeight() / 2);
    }
    // A bound window without a stored place is centred on the screen when
    // it shows: the place chosen here is the one to keep.
    if (settings != nullptr) {
        settings->setX(target->getX());
        settings->setY(target->getY());
    }
}

void FlexAsker::waitUntilClosed() const {
    const Window* target = window.load();
    // A window that could not be made (or is gone) never closes: no answer,
    // which is No, rather than a caller blocked for good.
    while (!target->isClosed() && isLiveWindow(target->getHandle())) {
        // A caller that owns windows of its own keeps serving them.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kWaitStepMs, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

// --- events (on the window's thread) --------------------------------------------

void FlexAsker::onEvent(s::base::IObject* source, int32_t code) {
    Window* target = window.load();
    if (target != nullptr && source == static_cast<s::base::IObject*>(target)) {
        // A close request (code 1) goes on and keeps the answer: No unless
        // a button or Enter said Yes first.
        if (code == static_cast<int32_t>(WindowEvent::KeyDown)) {
            onKey(target->getLastKey());
        }
    } else if (yesButton != nullptr && source == static_cast<s::base::IObject*>(yesButton)) {
        answerWith(true);
    } else if (noButton != nullptr && source == static_cast<s::base::IObject*>(noButton)) {
        answerWith(false);
    } else if (checkBox != nullptr && source == static_cast<s::base::IObject*>(checkBox)) {
        dontAskAgain = checkBox->isChecked();
    }
}

void FlexAsker::onKey(int32_t key) {
    if (key == kTabKey) {
        moveDefault();
    } else if (key == kEnterKey) {
        if (yesButton->isDefault()) {
            answerWith(true);
        } else if (noButton->isDefault()) {
            answerWith(false);
        }
    }
}

void FlexAsker::moveDefault() {
    if (yesButton->isDefault()) {
        yesButton->makeNormal();
        noButton->makeDefault();
    } else {
        yesButton->makeDefault();
        noButton->makeNormal();
    }
}

void FlexAsker::answerWith(bool yes) {
    answer = yes;
    window.load()->close();
}

} // namespace s::gui::dialogs
