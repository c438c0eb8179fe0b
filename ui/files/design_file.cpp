#include "ui/files/design_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringDecoder>
#include <array>
#include <cmath>
#include <string>
#include <variant>

#include "core/noise/op_amp_parts.h"
#include "ui/files/safe_write.h"

namespace amp::ui {
namespace {

// The keys of the file. QJsonObject keeps its keys sorted, which is the fixed order.
const QString kFormatKey = QStringLiteral("formato");
const QString kVersionKey = QStringLiteral("versione");
const QString kFieldsKey = QStringLiteral("campi");
const QString kRangeKey = QStringLiteral("campo_di_frequenze");
const QString kNoiseKey = QStringLiteral("rumore");

// The keys of the noise settings' object: the part, then the fields in NoiseField order.
constexpr std::string_view kPartKey = "operazionale";
constexpr std::array<std::string_view, kNoiseFieldCount> kNoiseFieldKeys{"en",
                                                                         "in",
                                                                         "sr",
                                                                         "margine",
                                                                         "alimentazione",
                                                                         "temperatura",
                                                                         "banda_da",
                                                                         "banda_a",
                                                                         "livello_di_riferimento"};

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What is wrong with a file, as a phrase of design_problem: the end of the message that names the
// file.
struct Problem {
    std::string phrase;
};

// What is read from a file's bytes: the content, or what is wrong with them.
template <class Content>
using Parsed = std::variant<Problem, Content>;

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

Failure OpenFailure(const QString& path, std::string_view problem) {
    return Failure{("Impossibile aprire il progetto «" + Shown(path) + "»: ").toStdString() +
                   std::string(problem)};
}

Failure SaveFailure(const QString& path, std::string_view problem) {
    return Failure{("Il progetto non è stato salvato in «" + Shown(path) + "»: ").toStdString() +
                   std::string(problem)};
}

std::string WouldBeTooLarge() {
    return "il file sarebbe più grande di " + std::to_string(kMaxDesignFileMebibytes) +
           " MiB, il limite dei progetti: un campo contiene un testo troppo lungo.";
}

bool IsUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    return !decoder.hasError();
}

std::optional<Problem> ReadVersion(const QJsonValue& version) {
    if (!version.isDouble() || version.toDouble() != std::floor(version.toDouble()) ||
        version.toDouble() < 1) {
        return Problem{std::string(design_problem::kBadVersion)};
    }
    if (version.toDouble() > kDesignFormatVersion) {
        return Problem{std::string(design_problem::kNewerVersion)};
    }
    return std::nullopt;
}

Parsed<std::optional<int>> ReadRange(const QJsonValue& range) {
    if (range.isNull()) return std::optional<int>();
    const double index = range.toDouble(0.0);
    if (!range.isDouble() || index != std::floor(index) || index < 1 || index > kRangeCount) {
        return Problem{design_problem::BadRange()};
    }
    return std::optional<int>(static_cast<int>(index));
}

// Each text of the noise settings with its key, the part's name first.
template <class Texts, class Visit>
void ForEachNoiseText(Texts& texts, Visit visit) {
    visit(kPartKey, texts.part);
    for (int k = 0; k < kNoiseFieldCount; ++k) {
        visit(kNoiseFieldKeys[static_cast<std::size_t>(k)],
              TextOf(texts, static_cast<NoiseField>(k)));
    }
}

std::optional<std::string_view> NoiseKeyWithControlCharacter(const NoiseTexts& texts) {
    std::optional<std::string_view> found;
    ForEachNoiseText(texts, [&found](std::string_view key, const std::string& text) {
        if (!found && HoldsControlCharacter(text)) found = key;
    });
    return found;
}

QJsonObject NoiseObject(const NoiseTexts& texts) {
    QJsonObject noise;
    ForEachNoiseText(texts, [&noise](std::string_view key, const std::string& text) {
        noise.insert(Text(key), Text(text));
    });
    return noise;
}

Parsed<NoiseTexts> ReadNoise(const QJsonValue& value) {
    if (!value.isObject()) return Problem{std::string(design_problem::kNoiseNotObject)};
    const QJsonObject noise = value.toObject();
    NoiseTexts texts;
    std::optional<Problem> problem;
    ForEachNoiseText(texts, [&](std::string_view key, std::string& text) {
        if (problem) return;
        const QJsonValue typed = noise.value(Text(key));
        if (typed.isUndefined()) {
            problem = Problem{design_problem::NoiseSettingMissing(key)};
        } else if (!typed.isString()) {
            problem = Problem{design_problem::NoiseSettingNotText(key)};
        } else {
            text = typed.toString().toStdString();
            if (HoldsControlCharacter(text)) {
                problem = Problem{design_problem::NoiseSettingWithControl(key)};
            }
        }
    });
    if (problem) return *problem;
    if (texts.part != kCustomOpAmpName && FindOpAmpPart(texts.part) == nullptr) {
        return Problem{std::string(design_problem::kNoiseUnknownPart)};
    }
    return texts;
}

Parsed<Design> ParseDesign(QByteArrayView bytes) {
    const auto problem = [](std::string_view phrase) { return Problem{std::string(phrase)}; };
    if (static_cast<std::size_t>(bytes.size()) > kMaxDesignFileBytes) {
        return Problem{design_problem::TooLarge()};
    }
    if (!IsUtf8(bytes)) return problem(design_problem::kInvalidUtf8);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError) return problem(design_problem::kNotJson);
    if (!document.isObject()) return problem(design_problem::kNotObject);
    const QJsonObject file = document.object();

    if (file.value(kFormatKey).toString() != Text(kDesignFormatName)) {
        return problem(design_problem::kWrongFormat);
    }
    if (auto versionProblem = ReadVersion(file.value(kVersionKey))) return *versionProblem;

    Design design;
    const QJsonObject fields = file.value(kFieldsKey).toObject();
    for (int number = 1; number <= kFieldCount; ++number) {
        const Field field = FieldOfTextBox(number);
        const QJsonValue text = fields.value(Text(FieldSymbol(field)));
        if (text.isUndefined()) return Problem{design_problem::FieldMissing(field)};
        if (!text.isString()) return Problem{design_problem::FieldNotText(field)};
        design.texts[field] = text.toString().toStdString();
        if (HoldsControlCharacter(design.texts[field])) {
            return Problem{design_problem::FieldWithControl(field)};
        }
    }

    Parsed<std::optional<int>> range = ReadRange(file.value(kRangeKey));
    if (auto* rangeProblem = std::get_if<Problem>(&range)) return std::move(*rangeProblem);
    design.rangeIndex = std::get<std::optional<int>>(range);

    // Older designs have no noise settings.
    if (const QJsonValue noise = file.value(kNoiseKey); !noise.isUndefined()) {
        Parsed<NoiseTexts> texts = ReadNoise(noise);
        if (auto* noiseProblem = std::get_if<Problem>(&texts)) return std::move(*noiseProblem);
        design.noise = std::move(std::get<NoiseTexts>(texts));
    }
    return design;
}

}  // namespace

QByteArray DesignFileBytes(const Design& design) {
    QJsonObject fields;
    for (int number = 1; number <= kFieldCount; ++number) {
        const Field field = FieldOfTextBox(number);
        fields.insert(Text(FieldSymbol(field)), Text(design.texts[field]));
    }
    QJsonObject file;
    file.insert(kFormatKey, Text(kDesignFormatName));
    file.insert(kVersionKey, kDesignFormatVersion);
    file.insert(kFieldsKey, fields);
    file.insert(kRangeKey, design.rangeIndex ? QJsonValue(*design.rangeIndex) : QJsonValue());
    if (design.noise) file.insert(kNoiseKey, NoiseObject(*design.noise));
    return QJsonDocument(file).toJson(QJsonDocument::Indented);
}

Outcome<Design> ParseDesignFile(QByteArrayView bytes, const QString& path) {
    Parsed<Design> parsed = ParseDesign(bytes);
    if (const auto* problem = std::get_if<Problem>(&parsed)) {
        return OpenFailure(path, problem->phrase);
    }
    return std::get<Design>(std::move(parsed));
}

Outcome<Design> ReadDesignFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return OpenFailure(path, design_problem::kGone);
    if (info.isDir()) return OpenFailure(path, design_problem::kFolder);
    if (static_cast<std::size_t>(info.size()) > kMaxDesignFileBytes) {
        return OpenFailure(path, design_problem::TooLarge());
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return OpenFailure(path, design_problem::kUnreadable);
    // One byte beyond the limit tells a file that grew since it was measured.
    const QByteArray bytes = file.read(static_cast<qint64>(kMaxDesignFileBytes) + 1);
    if (file.error() != QFileDevice::NoError) return OpenFailure(path, design_problem::kUnreadable);
    return ParseDesignFile(bytes, path);
}

std::optional<Failure> WriteDesignFile(const QString& path, const Design& design) {
    if (const auto field = FieldWithControlCharacter(design.texts)) {
        return SaveFailure(path, design_problem::FieldWithControl(*field));
    }
    if (const auto key =
            design.noise ? NoiseKeyWithControlCharacter(*design.noise) : std::nullopt) {
        return SaveFailure(path, design_problem::NoiseSettingWithControl(*key));
    }
    const QByteArray bytes = DesignFileBytes(design);
    if (static_cast<std::size_t>(bytes.size()) > kMaxDesignFileBytes) {
        return SaveFailure(path, WouldBeTooLarge());
    }
    const QFileInfo target(path);
    if (target.isDir()) return SaveFailure(path, design_problem::kFolder);
    if (!target.dir().exists()) return SaveFailure(path, "la cartella non esiste.");
    const bool written = WriteFileSafely(
        path, [&bytes](QIODevice& file) { return file.write(bytes) == bytes.size(); });
    if (!written) {
        return SaveFailure(path,
                           "la scrittura non è riuscita: la cartella è protetta o il disco è "
                           "pieno.");
    }
    return std::nullopt;
}

bool DesignFileIsGone(const QString& path) {
    return !QFileInfo::exists(path);
}

}  // namespace amp::ui
