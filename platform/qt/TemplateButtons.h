#pragma once

#include <QCheckBox>
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
