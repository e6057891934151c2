#include "ui/calculator/build_code_refusal.h"

#include "ui/widgets/texts.h"

namespace zephyr::ui {

QString BuildCodeRefusal(const BuildCodeError& error) {
    switch (error.Fault) {
    case BuildCodeFault::Foreign:
        return QStringLiteral("это не код сборки Zephyrdex (он начинается с «ZX»)");
    case BuildCodeFault::BadCharacter:
        return QStringLiteral("в коде сборки бывают только латинские буквы, цифры, «-» и «_»");
    case BuildCodeFault::CutOff:
        return QStringLiteral("код сборки обрезан или повреждён");
    case BuildCodeFault::Damaged:
        return QStringLiteral("код сборки повреждён");
    case BuildCodeFault::Checksum:
        return QStringLiteral("код сборки повреждён: не сходится контрольная сумма");
    case BuildCodeFault::OtherVersion:
        return QStringLiteral("код сборки версии %1, а программа читает версию %2")
            .arg(error.Version)
            .arg(kBuildCodeVersion);
    case BuildCodeFault::TooManyGestures:
        return QStringLiteral("в код сборки помещается не больше %1 действий")
            .arg(kMaxCodeGestures);
    case BuildCodeFault::NameTooLong:
        return QStringLiteral("в коде сборки имя бывает не длиннее %1 байт").arg(kMaxCodeName);
    }
    return {};
}

QString BuildCodeRefusal(const MissingRecord& missing) {
    return (missing.IsHero ? QStringLiteral("в данных нет героя «%1», которого называет код")
                           : QStringLiteral("в данных нет предмета «%1», который называет код"))
        .arg(FromCp1251(missing.Name));
}

} // namespace zephyr::ui
