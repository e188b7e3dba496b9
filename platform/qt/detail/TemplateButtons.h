#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

// Check boxes and radio buttons as the templates draw them: a click anywhere in the control's
// rectangle counts, and the text is centred vertically beside the indicator.

// An automatic check box whose text may wrap onto further lines.
class TemplateCheckBox : public QCheckBox {
    Q_OBJECT
public:
    enum class Wrap { SingleLine, Multiline };
    TemplateCheckBox(Wrap wrap, QWidget* parent);

protected:
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    Wrap wrap_;
};

// An automatic radio button of a group: a click checks it and unchecks the others of the group,
// while setting the check from code touches this button alone.
class TemplateRadioButton : public QRadioButton {
    Q_OBJECT
public:
    TemplateRadioButton(int group, QWidget* parent);

protected:
    bool hitButton(const QPoint& pos) const override;
    void nextCheckState() override;

private:
    int group_;
};

// A group box drawn as the templates were laid out for: the frame's top edge runs through the
// middle of the title, which stands at the left or centred. It never takes the mouse, so the
// controls drawn over it (or under it, when the template lists the box after them) get the
// clicks.
class TemplateGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TemplateGroupBox(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
