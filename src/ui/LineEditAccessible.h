// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

namespace tilora {

// What a screen reader reads of a one-line field of the game's dialogs. Qt's own reading
// gives every character a text-attribute run of no length; Orca joins such runs into the
// text it speaks and drops the last character ("Bli" for "Blin", nothing for "5"). Here
// the whole text is one run, and the rest reads as Qt's own: the field's name (its
// accessible name, else its label's text), its text, its caret and selection.
class LineEditAccessible final : public QAccessibleWidget,
                                 public QAccessibleTextInterface,
                                 public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

    QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? Edit()->text() : QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value && !Edit()->isReadOnly())
            Edit()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = Edit()->isReadOnly();
        s.editable = !Edit()->isReadOnly();
        s.selectableText = true;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text: one line, one run of attributes.
    QString text(int start, int end) const override
    {
        return start > end ? QString() : Edit()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Edit()->text().size()); }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = 0;
        *end = offset >= 0 && offset <= characterCount() ? characterCount() : 0;
        return {};
    }
    int cursorPosition() const override { return Edit()->cursorPosition(); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && Edit()->hasSelectedText()) {
            *start = Edit()->selectionStart();
            *end = Edit()->selectionEnd();
        }
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            Edit()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            Edit()->setSelection(start, end - start);
    }
    QRect characterRect(int offset) const override
    {
        // Measured from the caret, the one place the field tells.
        const QRect caret = Edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QFontMetrics metrics = Edit()->fontMetrics();
        const QString text = Edit()->text();
        const int x = caret.x() + metrics.horizontalAdvance(text.left(offset)) -
                      metrics.horizontalAdvance(text.left(Edit()->cursorPosition()));
        const QRect r(x, caret.y(), metrics.horizontalAdvance(text.mid(offset, 1)), caret.height());
        return {Edit()->mapToGlobal(r.topLeft()), r.size()};
    }
    int offsetAtPoint(const QPoint& point) const override { return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point)); }
    void scrollToSubstring(int start, int) override { Edit()->setCursorPosition(start); }

    // Editing, for a field that may be edited.
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        if (Edit()->isReadOnly())
            return;
        QString whole = Edit()->text();
        whole.replace(start, end - start, text);
        Edit()->setText(whole);
    }
};

// The dynamic property that marks a dialog whose line edits read as LineEditAccessible.
inline constexpr char kWholeLineFields[] = "tiloraWholeLineFields";

inline QAccessibleInterface* LineEditAccessibleFactory(const QString& className, QObject* object)
{
    auto* edit = qobject_cast<QLineEdit*>(object);
    if (className != QLatin1String("QLineEdit") || !edit || edit->echoMode() != QLineEdit::Normal ||
        !edit->window()->property(kWholeLineFields).toBool())
        return nullptr;
    return new LineEditAccessible(edit);
}

// Makes LineEditAccessible what Qt gives out for the line edits of `dialog` (those that
// show their text as it is), before the dialog makes them; the other line edits of the
// program keep their own reading.
inline void InstallLineEditAccessibility(QWidget& dialog)
{
    dialog.setProperty(kWholeLineFields, true);
    QAccessible::removeFactory(LineEditAccessibleFactory);
    QAccessible::installFactory(LineEditAccessibleFactory);
}

}  // namespace tilora
