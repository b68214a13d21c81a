#include "season/about_text.h"

#include <array>

#include "text/translation.h"

namespace zelvano {

std::string aboutPageText() {
    static constexpr std::array<const char*, 12> kEditions = {
        text::textToTranslate("1993/04 : Zelvano 初版（三球団リーグ）"),
        text::textToTranslate("1994/02 : Zelvano 2 （トレード交渉を追加）"),
        text::textToTranslate("1995/07 : Zelvano 3 （選手引退と名球会を追加）"),
        "1996/05 : Zelvano '96",
        text::textToTranslate("1997/03 : Zelvano '97 （新人登録を追加）"),
        text::textToTranslate("1998/06 : Zelvano '98 （大リーグ派遣を追加）"),
        "1999/04 : Zelvano 99",
        "2000/01 : Zelvano 2000",
        text::textToTranslate("2001/05 : Zelvano 2001 （情報ウィンドウを追加）"),
        text::textToTranslate("2002/04 : Zelvano 2002 （らんだむ資料館を追加）"),
        text::textToTranslate("2003/03 : Zelvano 2003 （新人スカウトを追加）"),
        "2004/04 : Zelvano 2004",
    };
    std::string text = text::translated(
        "Zelvanoは、打率だけで勝負が決まる３球団のプロ野球リーグで、監督として何年もチームを"
        "率いていく野球チーム経営シミュレーションです。十年あまりの間、少しずつ遊びを増やしながら"
        "版を重ねてきました。");
    text += "\r\n\r\n";
    for (const char* edition : kEditions) text += std::string(text::translated(edition)) + "\r\n";
    text += "\r\n";
    text += text::translated(
        "各バージョンにご意見・ご協力をくださったプレイヤーの皆さん、本当にありがとうござい"
        "ます。");
    text += "\r\n";
    text += text::translated(
        "Special thanks: テストプレイのミナトさん、リーグ名簿のハルカさん、"
        "名球会の記録係ソウタさん、そして長いリーグを遊び続けてくれたみんな。");
    text += "\r\n";
    return text;
}

}  // namespace zelvano
