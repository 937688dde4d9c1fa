#include "KeyboardAccess.hpp"

#include "DrawingSurface.hpp"
#include "PictureExport.hpp"

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

namespace surface {

namespace {

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
        double steps = std::round(height_() / step_);
        switch (key->key()) {
        case Qt::Key_Up:
            steps -= 1; // y grows downward
            break;
        case Qt::Key_Down:
            steps += 1;
            break;
        case Qt::Key_Home:
            steps = 0;
            break;
        default:
            return false;
        }
        const UserScale& scale = surface_->scale();
        const double y = std::clamp(steps * step_, std::min(scale.top, scale.top + scale.height),
            std::max(scale.top, scale.top + scale.height));
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

void setTabChain(QWidget* window, const std::vector<QWidget*>& chain)
{
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
    const auto clickOn = [window](const char* name) {
        return [window, name] {
            window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
        };
    };
    addWindowKey(window, Qt::Key_F5, clickOn("Command11"));
    addWindowKey(window, Qt::Key_F6, keys.singleStep);
    addWindowKey(window, Qt::Key_F7, clickOn("Command7"));
    addWindowKey(window, Qt::Key_F8, clickOn("Command5"));
    DrawingSurface* picture = keys.picture;
    addWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_C), [picture] {
        copyPicture(*picture);
    });
    addWindowKey(window, QKeySequence(Qt::CTRL | Qt::Key_S), [window, picture, program = keys.program] {
        savePictureWithDialog(window, *picture, program);
    });
    addHandKeys(keys.handField, keys.handHeight, keys.handStep);

    keys.refreshTexts();
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        QObject::connect(button, &QAbstractButton::clicked, window, keys.refreshTexts);
    }
}

void describe(QWidget* control, const QString& name, const QString& description)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

void describeControls(const QWidget& window, std::span<const ControlText> texts)
{
    for (const ControlText& text : texts) {
        QWidget* control = designControl(window, text.control);
        if (*text.name != '\0') {
            control->setAccessibleName(QString::fromUtf8(text.name));
        }
        control->setAccessibleDescription(QString::fromUtf8(text.description));
    }
}

QString stateText(const QString& setting, bool on)
{
    return setting + (on ? QStringLiteral(": an") : QStringLiteral(": aus"));
}

} // namespace surface
