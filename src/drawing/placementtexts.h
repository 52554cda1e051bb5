#pragma once

#include <QCoreApplication>
#include <QString>

// The placement's own texts, used by the window and the tools alike, each
// translated when it is asked for (context "placement").
namespace placement {

inline QString noExtent() {
    return QCoreApplication::translate(
        "placement", "Rysunek nie ma rozmiaru (jeden punkt albo nic do narysowania): "
                     "nie ma czego dopasować");
}
inline QString marginLeavesNoRoom(const QString& margin) {
    return QCoreApplication::translate(
               "placement", "Margines %1 nie zostawia miejsca na rysunek w obszarze roboczym")
        .arg(margin);
}
inline QString badMargin(const QString& margin) {
    return QCoreApplication::translate("placement", "Margines %1 musi być liczbą nieujemną")
        .arg(margin);
}
inline QString radiusBeyondReach(const QString& radius, const QString& reach) {
    return QCoreApplication::translate(
               "placement", "Promień obszaru zabronionego %1 musi być dodatni i mniejszy "
                            "niż zasięg ramienia %2")
        .arg(radius, reach);
}
inline QString badPaper(const QString& text) {
    return QCoreApplication::translate(
               "placement", "Nieznany arkusz \"%1\": podaj A5, A4 lub A3 (z -landscape "
                            "dla położenia poziomego) albo szerokość x wysokość, np. 210x297")
        .arg(text);
}
inline QString sheetDoesNotFit(const QString& sheet) {
    return QCoreApplication::translate("placement",
                                       "Arkusz %1 nie mieści się w obszarze roboczym ramienia")
        .arg(sheet);
}

// Parts of the report "Dopasowano: skala 1,84, po prawej stronie osi Y, ...".
inline QString reportStart(const QString& scale) {
    return QCoreApplication::translate("placement", "Dopasowano: skala %1").arg(scale);
}
inline QString sideAcross() {
    return QCoreApplication::translate("placement", "po obu stronach osi Y");
}
inline QString sideRight() {
    return QCoreApplication::translate("placement", "po prawej stronie osi Y");
}
inline QString sideLeft() {
    return QCoreApplication::translate("placement", "po lewej stronie osi Y");
}
inline QString sideChosen() {
    return QCoreApplication::translate(
        "placement", "łokieć nie przechodzi przez oś Y, a rysunek jest prawie tak duży jak po "
                     "obu stronach");
}
inline QString reportSheet(const QString& sheet, const QString& left, const QString& bottom,
                           const QString& right, const QString& top) {
    return QCoreApplication::translate("placement",
                                       "arkusz %1 mieści się: od X %2 Y %3 do X %4 Y %5")
        .arg(sheet, left, bottom, right, top);
}
inline QString reportClearance(const QString& distance) {
    return QCoreApplication::translate("placement",
                                       "najmniejsza odległość od obszaru zabronionego %1")
        .arg(distance);
}

} // namespace placement
