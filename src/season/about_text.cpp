#include "season/about_text.h"

#include <array>

namespace zelvano {

std::string aboutPageText() {
    static constexpr std::array<const char*, 12> kEditions = {
        "1993/04 : Zelvano 初版（三球団リーグ）",
        "1994/02 : Zelvano 2 （トレード交渉を追加）",
        "1995/07 : Zelvano 3 （選手引退と名球会を追加）",
        "1996/05 : Zelvano '96",
        "1997/03 : Zelvano '97 （新人登録を追加）",
        "1998/06 : Zelvano '98 （大リーグ派遣を追加）",
        "1999/04 : Zelvano 99",
        "2000/01 : Zelvano 2000",
        "2001/05 : Zelvano 2001 （情報ウィンドウを追加）",
        "2002/04 : Zelvano 2002 （らんだむ資料館を追加）",
        "2003/03 : Zelvano 2003 （新人スカウトを追加）",
        "2004/04 : Zelvano 2004",
    };
    std::string text =
        "Zelvanoは、打率だけで勝負が決まる３球団のプロ野球リーグで、監督として何年もチームを"
        "率いていく野球チーム経営シミュレーションです。十年あまりの間、少しずつ遊びを増やしながら"
        "版を重ねてきました。\r\n\r\n";
    for (const char* edition : kEditions) text += std::string(edition) + "\r\n";
    text += "\r\n";
    text +=
        "各バージョンにご意見・ご協力をくださったプレイヤーの皆さん、本当にありがとうござい"
        "ます。\r\n";
    text +=
        "Special thanks: テストプレイのミナトさん、リーグ名簿のハルカさん、"
        "名球会の記録係ソウタさん、そして長いリーグを遊び続けてくれたみんな。\r\n";
    return text;
}

}  // namespace zelvano
