#pragma once
// The lesson text pane's control: a rich-text edit whose paste takes only what the
// formatted text file can keep (see memo::pastedRichText), and which draws the labels of
// lists that do not start at 1 (see rtf::drawListLabels).
#include <QTextEdit>

namespace lumora {

class LessonPane : public QTextEdit {
    Q_OBJECT

public:
    using QTextEdit::QTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace lumora
