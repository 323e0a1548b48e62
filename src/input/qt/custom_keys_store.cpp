#include "input/qt/custom_keys_store.h"

#include <QSettings>
#include <memory>

#include "input/qt/qt_keys.h"

namespace slyders {

namespace {

constexpr const char* kOrganisation = "Tallowin";
constexpr const char* kApplication = "Slyders";

std::unique_ptr<QSettings> openStore(const QString& iniFile) {
    if (iniFile.isEmpty()) return std::make_unique<QSettings>(kOrganisation, kApplication);
    return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
}

QString valueName(int pair, int side) {
    return QString("Keys/Custom%1%2")
        .arg(pair + 1)
        .arg(side == CustomKeys::kLeft ? "Left" : "Right");
}

std::string pairName(int pair) {
    return keyPairLabel(kFirstCustomPair + pair, {});
}

// A stored pair is taken when both its keys can steer and differ from each other and from
// the pairs read before it.
bool pairFits(const std::array<int, 2>& codes, const CustomKeys& before, int pair) {
    if (!usableCustomKey(codes[0]) || !usableCustomKey(codes[1]) || codes[0] == codes[1])
        return false;
    for (int p = 0; p < pair; ++p) {
        for (int code : codes) {
            const auto& other = before.code[std::size_t(p)];
            if (code == other[0] || code == other[1]) return false;
        }
    }
    return true;
}

}  // namespace

StoredCustomKeys readCustomKeys(const QString& iniFile) {
    const std::unique_ptr<QSettings> store = openStore(iniFile);
    const CustomKeys defaults = defaultCustomKeys();
    StoredCustomKeys read;
    for (int pair = 0; pair < kCustomKeyPairs; ++pair) {
        const QVariant left = store->value(valueName(pair, CustomKeys::kLeft));
        const QVariant right = store->value(valueName(pair, CustomKeys::kRight));
        auto& codes = read.keys.code[std::size_t(pair)];
        codes = defaults.code[std::size_t(pair)];
        if (!left.isValid() && !right.isValid()) {  // never chosen
            if (!pairFits(codes, read.keys, pair)) codes = {0, 0};
            continue;
        }
        bool leftOk = false, rightOk = false;
        const std::array<int, 2> stored{left.toInt(&leftOk), right.toInt(&rightOk)};
        if (leftOk && rightOk && pairFits(stored, read.keys, pair)) {
            codes = stored;
            continue;
        }
        read.problems.push_back("The stored keys of " + pairName(pair) +
                                " are not usable steering keys; its default keys are used.");
        if (!pairFits(codes, read.keys, pair)) codes = {0, 0};
    }
    return read;
}

void writeCustomKeys(const CustomKeys& keys, const QString& iniFile) {
    const std::unique_ptr<QSettings> store = openStore(iniFile);
    for (int pair = 0; pair < kCustomKeyPairs; ++pair) {
        for (int side : {CustomKeys::kLeft, CustomKeys::kRight})
            store->setValue(valueName(pair, side), keys.code[std::size_t(pair)][std::size_t(side)]);
    }
    store->sync();
}

}  // namespace slyders
