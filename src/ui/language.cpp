#include "language.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>
#include <cstdio>

namespace language {

bool useCzech(bool czech) {
    static QPointer<QTranslator> czechTexts;
    if (!czech) {
        if (czechTexts) QCoreApplication::removeTranslator(czechTexts);
        return true;
    }
    if (!czechTexts) {
        auto* t = new QTranslator(QCoreApplication::instance());
        if (!t->load(QStringLiteral(":/i18n/tamvelkviz_cs.qm"))) {
            std::fprintf(stderr, "The Czech texts of the interface cannot be loaded: it stays in English.\n");
            delete t;
            return false;
        }
        czechTexts = t;
    }
    QCoreApplication::installTranslator(czechTexts);
    return true;
}

} // namespace language
