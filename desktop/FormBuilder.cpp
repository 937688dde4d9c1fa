#include "FormBuilder.hpp"

#include "ClassicControls.hpp"
#include "ClassicFont.hpp"
#include "DrawingSurface.hpp"
#include "KeyboardAccess.hpp"
#include "ScaledForm.hpp"
#include "Twips.hpp"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include <map>
#include <string_view>

namespace desktop {

namespace {

QWidget* makeControl(QWidget* parent, const core::ControlDesign& c)
{
    const QString caption = QString::fromUtf8(c.caption);
    const TwipsRect place{c.place.left, c.place.top, c.place.width, c.place.height};
    const QFont font = c.fontPoints ? classicFont(*c.fontPoints) : parent->font();
    switch (c.kind) {
    case core::ControlKind::picture: {
        auto* picture = new DrawingSurface(parent);
        picture->setGeometry(twips::toPixelRect(place.left, place.top, place.width, place.height));
        picture->setBackColor(*core::shownBack(c));
        return picture;
    }
    case core::ControlKind::frame: {
        QGroupBox* box = makeFramedBox(parent, caption, font);
        box->setGeometry(twips::toPixelRect(place.left, place.top, place.width, place.height));
        return box;
    }
    case core::ControlKind::label:
        return makeLabel(parent, caption, place, font, *core::shownBack(c));
    case core::ControlKind::button:
        return makeButton(parent, caption, place, font);
    case core::ControlKind::textBox:
        return makeTextBox(parent, caption, place, font);
    case core::ControlKind::option:
        return makeOption(parent, caption, place, font, *core::shownBack(c));
    case core::ControlKind::scrollBar: {
        const core::ScrollSteps& s = c.scroll;
        return makeScrollBar(parent, place, {s.min, s.max, s.smallChange, s.largeChange, s.value});
    }
    }
    return nullptr;
}

} // namespace

void buildForm(QWidget* window, const core::FormDesign& design)
{
    window->setObjectName(QString::fromLatin1(design.name));
    window->setWindowTitle(text(design.title));
    window->setFont(classicFont(design.fontPoints));
    setBackColor(window, design.back);
    std::map<std::string_view, QWidget*> made;
    for (const core::ControlDesign& c : design.controls) {
        QWidget* parent = c.container == nullptr ? window : made.at(c.container);
        QWidget* control = named(makeControl(parent, c), c.name);
        made[c.name] = control;
        if (c.back && c.kind != core::ControlKind::label && c.kind != core::ControlKind::option
            && c.kind != core::ControlKind::picture) {
            setBackColor(control, *c.back);
        }
        if (!c.visible) {
            control->hide();
        }
        if (*c.accessibleName != '\0') {
            control->setAccessibleName(QString::fromUtf8(c.accessibleName));
        }
        control->setAccessibleDescription(QString::fromUtf8(c.description));
        if (*c.toolTip != '\0') {
            control->setToolTip(QString::fromUtf8(c.toolTip));
        }
    }
}

void applyLoad(ScaledForm& form, const core::FormLoad& load)
{
    form.setOuterSize(load.outerWidth, load.outerHeight);
    form.setScale(load.scale);
    for (const core::FormLoad::Place& p : load.places) {
        form.place(designControl(form, p.control), p.units.left, p.units.top, p.units.width, p.units.height);
    }
    for (const core::FormLoad::Scale& s : load.scales) {
        designControl<DrawingSurface>(form, s.picture)->setScale(s.scale);
    }
    for (const core::FormLoad::Anchor& a : load.anchors) {
        QWidget* control = designControl(form, a.control);
        qobject_cast<DrawingSurface*>(control->parentWidget())->placeChild(control, a.x, a.y);
    }
}

void applyState(QWidget* control, const core::ControlState& state)
{
    if (state.anchor) {
        qobject_cast<DrawingSurface*>(control->parentWidget())
            ->placeChild(control, state.anchor->first, state.anchor->second);
    }
    if (state.caption) {
        const QString caption = text(*state.caption);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            label->setText(caption);
        } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
            box->setText(caption);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->setText(caption);
        }
    }
    if (state.back) {
        setBackColor(control, *state.back);
    }
    if (state.checked) {
        qobject_cast<QAbstractButton*>(control)->setChecked(*state.checked);
    }
    if (state.value) {
        // The core set it: no change event goes back.
        auto* bar = qobject_cast<QScrollBar*>(control);
        const QSignalBlocker quiet(bar);
        bar->setValue(*state.value);
    }
    if (state.visible) {
        control->setVisible(*state.visible);
    }
}

void applyView(QWidget& window, const core::FormView& view)
{
    if (view.title) {
        window.setWindowTitle(text(*view.title));
    }
    for (const core::ControlState& state : view.controls) {
        applyState(designControl(window, state.control), state);
    }
}

void applyStateTexts(const QWidget& window, std::span<const core::StateText> texts)
{
    for (const core::StateText& t : texts) {
        QWidget* control = designControl(window, t.control);
        control->setAccessibleName(text(t.name));
        if (!t.description.empty()) {
            control->setAccessibleDescription(text(t.description));
        }
    }
}

} // namespace desktop
