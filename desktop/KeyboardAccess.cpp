#include "KeyboardAccess.hpp"

#include "DrawingSurface.hpp"
#include "PictureExport.hpp"

#include "core/KeyMap.hpp"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace desktop {

namespace {

QKeySequence keySequence(core::Key key)
{
    switch (key) {
    case core::Key::f5:
        return Qt::Key_F5;
    case core::Key::f6:
        return Qt::Key_F6;
    case core::Key::f7:
        return Qt::Key_F7;
    case core::Key::f8:
        return Qt::Key_F8;
    case core::Key::f9:
        return Qt::Key_F9;
    case core::Key::ctrlC:
        return Qt::CTRL | Qt::Key_C;
    case core::Key::ctrlS:
        return Qt::CTRL | Qt::Key_S;
    case core::Key::up:
        return Qt::Key_Up;
    case core::Key::down:
        return Qt::Key_Down;
    case core::Key::home:
        return Qt::Key_Home;
    }
    return {};
}

// Turns Up, Down and Home on a focused surface into left-button drags.
class HandKeys : public QObject {
public:
    HandKeys(DrawingSurface* surface, std::function<double()> height, double step)
        : QObject(surface)
        , surface_(surface)
        , height_(std::move(height))
        , step_(step)
    {
        surface->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != surface_ || event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) {
            return false;
        }
        const auto binding = std::find_if(
            std::begin(core::programKeys), std::end(core::programKeys), [key](const core::KeyBinding& b) {
                return core::isHandKey(b.action) && keySequence(b.key) == QKeySequence(key->key());
            });
        if (binding == std::end(core::programKeys)) {
            return false;
        }
        const core::UserScale& scale = surface_->scale();
        const double y = core::handKeyHeight(binding->action, height_(), step_, scale.top, scale.top + scale.height);
        emit surface_->mouseMove(1, 0, static_cast<float>(scale.left), static_cast<float>(y));
        return true;
    }

private:
    DrawingSurface* surface_;
    std::function<double()> height_;
    double step_;
};

// Frames the focused control of the chain once the keyboard has moved the
// focus there, so the window looks as designed to a mouse user.
class FocusFollower : public QObject {
public:
    FocusFollower(QWidget* window, std::vector<QWidget*> chain)
        : QObject(window)
        , frame_(new QFocusFrame(window))
        , chain_(std::move(chain))
    {
        frame_->hide();
        for (QWidget* control : chain_) {
            control->installEventFilter(this);
        }
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
            if (std::find(chain_.begin(), chain_.end(), now) == chain_.end()) {
                frame_->setWidget(nullptr);
            }
        });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            const bool byKeyboard
                = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
            frame_->setWidget(byKeyboard ? static_cast<QWidget*>(watched) : nullptr);
        }
        return false;
    }

private:
    QFocusFrame* frame_;
    std::vector<QWidget*> chain_;
};

} // namespace

bool typingIntoText(const QWidget* focus)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(focus)) {
        return !line->isReadOnly();
    }
    if (const auto* text = qobject_cast<const QTextEdit*>(focus)) {
        return !text->isReadOnly();
    }
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(focus)) {
        return !plain->isReadOnly();
    }
    return qobject_cast<const QAbstractSpinBox*>(focus) != nullptr;
}

QShortcut* addWindowKey(QWidget* window, const QKeySequence& key, std::function<void()> action)
{
    auto* shortcut = new QShortcut(key, window);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, window, [action = std::move(action)] {
        if (!typingIntoText(QApplication::focusWidget())) {
            action();
        }
    });
    return shortcut;
}

void setTabChain(QWidget* window, const std::vector<const char*>& names)
{
    std::vector<QWidget*> chain;
    chain.reserve(names.size());
    for (const char* name : names) {
        chain.push_back(designControl(*window, name));
    }
    for (QWidget* control : chain) {
        control->setFocusPolicy(Qt::StrongFocus);
    }
    for (std::size_t k = 1; k < chain.size(); ++k) {
        QWidget::setTabOrder(chain[k - 1], chain[k]);
    }
    // Flat buttons, scroll bars and drawing surfaces show no focus of their
    // own in every style; one frame follows the focus through the chain.
    new FocusFollower(window, chain);
}

void addHandKeys(DrawingSurface* surface, std::function<double()> height, double step)
{
    new HandKeys(surface, std::move(height), step);
}

void addProgramKeys(QWidget* window, const ProgramKeys& keys)
{
    setTabChain(window, keys.tabChain);
    DrawingSurface* picture = keys.picture;
    for (const core::KeyBinding& binding : core::programKeys) {
        std::function<void()> action;
        switch (binding.action) {
        case core::KeyAction::click:
            action = [button = designControl<QAbstractButton>(*window, binding.button)] {
                button->click();
            };
            break;
        case core::KeyAction::singleStep:
            action = keys.singleStep;
            break;
        case core::KeyAction::recorder:
            action = keys.switchRecorder;
            break;
        case core::KeyAction::copyPicture:
            action = [picture] {
                copyPicture(*picture);
            };
            break;
        case core::KeyAction::savePicture:
            action = [window, picture, program = keys.program] {
                savePictureWithDialog(window, *picture, program);
            };
            break;
        default: // the hand keys belong to the hand field's focus
            continue;
        }
        addWindowKey(window, keySequence(binding.key), action);
    }
    addHandKeys(keys.handField, keys.handHeight, keys.handStep);

    keys.refreshTexts();
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        QObject::connect(button, &QAbstractButton::clicked, window, keys.refreshTexts);
    }
}

} // namespace desktop
