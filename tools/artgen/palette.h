#pragma once

#include <QColor>

// The few colours every picture is drawn from, so that all objects belong together.
namespace artgen::palette {

inline const QColor kBoard{255, 192, 128};  // the board's own colour
inline const QColor kInk{44, 30, 22};       // keyholes, pupils, the darkest lines
inline const QColor kCream{250, 242, 214};
inline const QColor kHedgeDark{30, 84, 38};
inline const QColor kHedge{50, 120, 50};
inline const QColor kLeaf{96, 162, 62};
inline const QColor kLeafLight{156, 204, 92};
inline const QColor kGrass{150, 200, 92};
inline const QColor kWood{184, 122, 62};
inline const QColor kWoodDark{116, 72, 40};
inline const QColor kStone{136, 136, 142};
inline const QColor kIron{78, 80, 90};
inline const QColor kGold{244, 194, 46};
inline const QColor kRed{214, 40, 46};
inline const QColor kRedDeep{82, 18, 24};
inline const QColor kBlue{44, 102, 222};
inline const QColor kBlueDeep{18, 32, 84};
inline const QColor kWater{52, 150, 190};
inline const QColor kSkin{246, 202, 160};
inline const QColor kPurple{96, 58, 124};
inline const QColor kParchment{246, 232, 198};

}  // namespace artgen::palette
