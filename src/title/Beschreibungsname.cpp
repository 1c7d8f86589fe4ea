#include "title/Beschreibungsname.h"

#include <array>
#include <utility>

namespace {

// The replacements of the article file names, in their order; the separators go first of all,
// so no designation can reach another folder.
QString verboteneZeichenErsetzen(QString name) {
    static const std::array<std::pair<QChar, QChar>, 11> tabelle{{{u'?', u'-'},
                                                                  {u'#', u'-'},
                                                                  {u':', u','},
                                                                  {u'\\', u','},
                                                                  {u'/', u','},
                                                                  {u'|', u','},
                                                                  {u'*', u'+'},
                                                                  {u'<', u'('},
                                                                  {u'>', u')'},
                                                                  {u'!', u'~'},
                                                                  {u'"', u'\''}}};
    for (const auto& [zeichen, ersatz] : tabelle) {
        name.replace(zeichen, ersatz);
    }
    return name;
}

} // namespace

std::optional<QString> Beschreibungsdateiname(const QString& bezeichnung) {
    const QString name = verboteneZeichenErsetzen(bezeichnung);
    const QString kern = name.trimmed();
    if (kern == QLatin1String(".") || kern == QLatin1String("..")) {
        return std::nullopt;
    }
    return name + QStringLiteral(".ini");
}
