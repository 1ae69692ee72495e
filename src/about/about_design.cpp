#include "about/about_design.h"

namespace modlatch::about {

const std::array<LabelDesign, kLabelCount> kLabels{{
    {{1080, 240, 1515, 480}, TextId::kAboutName, kSilver, LabelFont::kName, TextId::kAboutNameTip},
    {{3240, 0, 3120, 195}, TextId::kAboutCopyright, kBlack, LabelFont::kPanel, TextId::kAboutCopyrightTip},
    {{120, 1020, 1305, 180}, TextId::kAboutVersion, kBlack, LabelFont::kUiGothic, TextId::kAboutVersionTip},
    {{555, 1320, 2715, 180}, TextId::kAboutReleased, kBlack, LabelFont::kUiGothic, TextId::kAboutReleasedTip},
    {{90, 1680, 6570, 735}, TextId::kAboutMessage, kGrey, LabelFont::kUiGothic, TextId::kAboutMessageTip},
}};

}  // namespace modlatch::about
