// Colours shared by every drawing of the program, and the robots' legend
// colours and grey-scale dash patterns.
#pragma once

#include <QColor>
#include <vector>

namespace kest {

inline const QColor CLR_WHITE{255, 255, 255};
inline const QColor CLR_ORANGE{255, 220, 100};
inline const QColor CLR_DARK{50, 50, 50};
inline const QColor CLR_LIGHTGRAY{215, 215, 215};
inline const QColor CLR_GRAY{200, 200, 200};
inline const QColor CLR_BLACK{0, 0, 0};
inline const QColor CLR_BLUE{49, 106, 197};
inline const QColor CLR_DEEPBLUE{0, 70, 210};
inline const QColor CLR_STEEL{127, 157, 185};
inline const QColor CLR_GREEN{0, 255, 0};
inline const QColor CLR_LIGHTGREEN{180, 255, 100};
inline const QColor CLR_RED{255, 10, 10};
inline const QColor CLR_PINK{255, 225, 225};
inline const QColor CLR_YELLOW{255, 255, 0};
inline const QColor CLR_LIGHTYELLOW{255, 255, 200};

// Background of the result views on screen.
inline const QColor CLR_VIEW_BACK{250, 250, 250};

// Robot i of the legend list (0 to 2).
inline QColor LegendColor(int i) {
    static const QColor kColors[3] = {QColor(0, 20, 250), QColor(255, 10, 10), QColor(0, 140, 0)};
    return kColors[(i % 3 + 3) % 3];
}
// On/off lengths of robot i's grey-scale line.
inline std::vector<int> LegendDash(int i) {
    static const int kDash[3][2] = {{1, 0}, {1, 1}, {2, 1}};
    const int k = (i % 3 + 3) % 3;
    return {kDash[k][0], kDash[k][1]};
}

}  // namespace kest
