#pragma once

#include <QJsonArray>
#include <QJsonObject>

class ReportPage;
struct ReportElement;

// A report as the command line shows it: its page ("paper", "orientation", "margins" in
// millimetres) and its elements in the order the report created them, each with "band",
// "kind", "name", "text", "left", "top", "width", "height", "font", "color", "alignment"
// and "penWidth" (null where the kind has no such thing, a name null for the elements
// the report creates without one).
class ReportJson {
public:
    static QJsonObject PageJson(const ReportPage& page);
    static QJsonArray ElementsJson(const ReportPage& page);
    static QJsonObject ElementJson(const ReportElement& element);
};
