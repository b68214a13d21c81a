#pragma once
// The windows name the Japanese system faces "ＭＳ 明朝" and "ＭＳ ゴシック" (and their
// proportional P variants). The IPA faces stand in for them: they are metric-compatible in the
// way that matters here, a full-width character exactly two half-width ones.

#include <QFont>

namespace zelvano {

enum class FontFace { Mincho, Gothic };

// Sizes are given in points as the windows were designed, at 96 dots per inch. They become pixel
// sizes so that the text keeps its proportion to the controls, which are placed in pixels.
QFont windowFont(FontFace face, double points, bool bold = false);

// The face of lists that line up columns of full-width and half-width text. The IPA faces keep a
// full-width character exactly two half-width ones wide only at even pixel sizes, so the size is
// the even one nearest to the design's.
QFont columnFont(FontFace face, double points);

// The face of buttons and of the dialogs: a 9-point Gothic.
QFont defaultWindowFont();

}  // namespace zelvano
