#include "about/about_design.h"

namespace modlatch::about {

const std::array<LabelDesign, kLabelCount> kLabels{{
    {{1080, 240, 1515, 480}, u"Mod Latch!", kSilver, LabelFont::kName, u"当ソフト名です"},
    {{3240, 0, 3120, 195}, u"Copyright (C) 2003 ZQ5's software", kBlack, LabelFont::kPanel, u"当ソフトの作者です。"},
    {{120, 1020, 1305, 180}, u"バージョン情報　:　", kBlack, LabelFont::kUiGothic, u"当ソフトのバージョン情報です。"},
    {{555, 1320, 2715, 180}, u"リリースされた日付　:　2003年7月02日", kBlack, LabelFont::kUiGothic, u"当ソフトがリリースされた日です"},
    {{90, 1680, 6570, 735},
     u"・この度は当ソフトをダウンロードしていただき、誠にありがとうございます。\r\n"
     u"・当ソフトはフリーウェアとなっております。\r\n"
     u"・当ソフトの開発に慎重を来してはいますが、バグがございましたらご連絡下さい。\r\n",
     kGrey, LabelFont::kUiGothic, u"作者からのメッセージです。"},
}};

}  // namespace modlatch::about
