#pragma once
// The caption of a button, a check box or a group in its fixed place: the windows were drawn
// for their Japanese captions, and a translation is often longer. A caption that does not fit is
// cut at its end with "…", never in the middle of a letter, and the whole of it is then the
// control's tool tip and, unless the control has a name of its own, its accessible name. The cut
// follows the control's width and font whenever they change (a scoreboard that is maximised).
// Labels do the same as ElidedLabel (elided_label.h).
//
//   setFittedCaption(*button, uiText("来年度以降の新人選手をスカウト"));

#include <QString>

class QAbstractButton;
class QGroupBox;
class QPushButton;
class QTabBar;

namespace zelvano {

// A caption may hold a mnemonic ("&Year"); it is kept while the caption fits.
void setFittedCaption(QAbstractButton& button, const QString& caption);
void setFittedCaption(QGroupBox& box, const QString& title);

// A row of tabs in a bar of fixed width: a caption is cut rather than the row scrolled, and while
// the row does not fit, every tab's tool tip is its whole caption. Called once the tabs are in.
void fitTabCaptions(QTabBar& bar);

// The whole caption last given, as the control would show it with room enough.
QString fittedCaption(const QAbstractButton& button);

// The width a push button gives its caption, between its frame's edges, less a little air.
int captionRoom(const QPushButton& button);

}  // namespace zelvano
