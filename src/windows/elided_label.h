#pragma once
// A label for a name that may be longer than its place: it shows as much as fits and ends the
// cut with "…", so a long name never runs into its neighbour or stops in the middle of a
// character. The whole text is its tool tip and its accessible name, so the eye and a screen
// reader both still get all of it. It cuts again whenever its size or font changes (a scoreboard
// that is maximised).
//
//   auto* name = new ElidedLabel(board);
//   name->setGeometry(place);
//   name->setFullText(QStringLiteral("ゼルバーノ・スーパースターズ東京"));

#include <QLabel>

namespace zelvano {

class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent);

    // The text to show, whole when it fits.
    void setFullText(const QString& text);
    const QString& fullText() const { return fullText_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void showWhatFits();

    QString fullText_;
};

}  // namespace zelvano
