#include "Edit.h"

#include "Text.h"

#include <QFocusEvent>
#include <QValidator>

#include <algorithm>

// Holds user edits to TEdit::kMaxLength as the desktop's edit box does: an insertion is
// cut to what fits, deleting is always possible, and the program's own text passes whole.
// (QLineEdit's maxLength cannot serve: it cuts setText as well.)
class TypingLimit : public QValidator {
public:
    explicit TypingLimit(TEdit& edit) : QValidator(&edit), edit_(edit) {}

    State validate(QString& input, int& cursor) const override
    {
        if (!edit_.programWriting_ && input.size() > TEdit::kMaxLength && input.size() > accepted_.size()) {
            // The edit replaced accepted_[prefix, accepted_.size() - suffix) by the middle of input.
            qsizetype prefix = 0;
            const qsizetype shorter = std::min(input.size(), accepted_.size());
            while (prefix < shorter && input[prefix] == accepted_[prefix]) {
                ++prefix;
            }
            qsizetype suffix = 0;
            while (suffix < shorter - prefix &&
                   input[input.size() - 1 - suffix] == accepted_[accepted_.size() - 1 - suffix]) {
                ++suffix;
            }
            const qsizetype kept = prefix + suffix;
            const qsizetype room = std::max<qsizetype>(0, TEdit::kMaxLength - kept);
            qsizetype inserted = std::min(room, input.size() - prefix - suffix);
            // A character beyond U+FFFF is two UTF-16 units: it fits whole or not at all.
            if (inserted > 0 && input[prefix + inserted - 1].isHighSurrogate()) {
                --inserted;
            }
            input = input.left(prefix + inserted) + input.right(suffix);
            cursor = static_cast<int>(prefix + inserted);
        }
        accepted_ = input;
        return Acceptable;
    }

private:
    TEdit& edit_;
    mutable QString accepted_;
};

TEdit::TEdit(QWidget* parent) : QLineEdit(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setValidator(new TypingLimit(*this));
}

std::string TEdit::Text() const
{
    return FromQt(text());
}

void TEdit::SetText(const std::string& text)
{
    const QString replacement = ToQt(text);
    if (replacement == this->text()) {
        return;
    }
    programWriting_ = true;
    setText(replacement);
    programWriting_ = false;
}

void TEdit::SetFocus()
{
    setFocus(Qt::OtherFocusReason);
}

void TEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event); // selects on Tab and Shift+Tab itself
    if (event->reason() == Qt::OtherFocusReason) {
        selectAll();
    }
}
