#include "core/signs/SignCatalogue.h"

#include <algorithm>
#include <initializer_list>

namespace parsiva {

namespace {

constexpr std::array<SignRecord, 12> Catalogue{
    SignRecord{
        "Farvardin", "(Aries)", QT_TRANSLATE_NOOP("Parsiva", "FARVARDIN (ARIES)"),
        QT_TRANSLATE_NOOP("Parsiva", "Farvardin"),
        QT_TRANSLATE_NOOP(
            "Parsiva",
            "If you were born between March 21 and April 20, your sign is Farvardin, the first "
            "month of the Persian calendar. It is ruled by the deity who shares its name, "
            "Farvardin, an offspring of the Farevashi, the guardian spirits who return to the "
            "world of the living each spring. Because the month opens the Persian New Year, your "
            "sign carries the spirit of fresh beginnings. You have courage to spare and an energy "
            "that carries others along with you; people are drawn to your warmth and charm, and "
            "you are often the first to step forward when something new must be tried. Be careful, "
            "though: your temper is short, and a quick flash of anger can undo in a moment the "
            "goodwill you have spent months building.")},
    SignRecord{
        "Ordibehesht", "(Taurus)", QT_TRANSLATE_NOOP("Parsiva", "ORDIBEHESHT (TAURUS)"),
        QT_TRANSLATE_NOOP("Parsiva", "Asha Vahishta"),
        QT_TRANSLATE_NOOP(
            "Parsiva",
            "Born between April 21 and May 21, you belong to Ordibehest, the second sign of the "
            "Persian year. Its presiding deity is Asha Vahishta, one of the six Amesha Spentas, "
            "the god of the noon heat and the guardian of truth and righteousness. Like the steady "
            "sun at midday, you hold your course: once you have decided on something, your "
            "determination is firm and your patience almost endless. You build slowly, you finish "
            "what you start, and friends rely on your calm good sense. The same attachment that "
            "makes you so dependable can turn against you, however. Guard against greed and "
            "jealousy, and remember that the people you love are not possessions to be held on "
            "to.")},
    SignRecord{
        "Khordad", "(Gemini)", QT_TRANSLATE_NOOP("Parsiva", "KHORDAD (GEMINI)"),
        QT_TRANSLATE_NOOP("Parsiva", "Haurvatat"),
        QT_TRANSLATE_NOOP(
            "Parsiva",
            "Those born between May 22 and June 21 fall under Khodard, the third month of the "
            "Persian calendar and the last month of spring. Its deity is Haurvatat, the protector "
            "of water and the giver of health and wholeness, whose gifts flow as freely as a "
            "mountain stream. You share that fluid quality. Your nature is restless and dual, as "
            "if two people lived inside you and took turns at the wheel, and this makes you "
            "wonderfully versatile: you learn quickly, switch between tasks with ease and can talk "
            "with anyone about almost anything. Conversation, letters and ideas are your element. "
            "The price of so much movement is a nervous energy that rarely rests, and when a "
            "choice must be made you may change your mind again and again before you commit.")},
    SignRecord{
        "Tir", "(Cancer)", QT_TRANSLATE_NOOP("Parsiva", "TIR (CANCER)"),
        QT_TRANSLATE_NOOP("Parsiva", "Tishtrya"),
        QT_TRANSLATE_NOOP(
            "Parsiva",
            "If your birthday falls between June 22 and July 22, your sign is Tir, the first month "
            "of summer. It is watched over by Tishtrya, the lord of the scribes, whom the ancients "
            "compared with the Babylonian Nabu and with the Roman Mercury, and who was also "
            "honoured as the protector of rain that ends the summer drought. From this patron you "
            "have received the gift of a rich imagination and a sharp intuition; you often sense "
            "what others feel before they say a word, and your compassion makes you a natural "
            "comforter for friends in trouble. You are happiest when you can create something, "
            "whether a home, a story or a garden. Your moods, however, rise and fall like the "
            "tides, and those around you may struggle to keep up with them.")},
    SignRecord{
        "Mordad", "(Leo)", QT_TRANSLATE_NOOP("Parsiva", "MORDAD (LEO)"),
        QT_TRANSLATE_NOOP("Parsiva", "Ameretat"),
        QT_TRANSLATE_NOOP(
            "Parsiva",
            "Born between July 23 and August 22, you are a child of Modard, the second month of "
            "the Persian summer. Its presiding deity is Ameretat, the protector of plants and "
            "trees and the symbol of immortality, whose care keeps the orchards green through the "
            "hottest days of the year. Like the trees in her keeping, you offer shade and shelter "
            "to everyone who comes near you. Your generosity is large and sincere, and your warmth "
            "lights up a room the moment you walk in; people remember your kindness long after "
            "they have forgotten what you said. Yet there is a proud streak in you as well. You "
            "like to lead and may try to dominate those around you, and you can be intolerant of "
            "views that differ from your own. Learn to listen, and your circle will grow.")},
    SignRecord{
        "Shahrivar", "(Virgo)", QT_TRANSLATE_NOOP("Parsiva", "SHAHRIVAR (VIRGO)"),
        QT_TRANSLATE_NOOP("Parsiva", "Khashtra Vairya"),
        QT_TRANSLATE_NOOP(
            "Parsiva",
            "If you were born between August 23 and September 23, your sign is Shahrivar, the last "
            "month of the Persian summer. Its deity is Khashtra Vairya, ruler of the sky and lord "
            "of metals and precious stones. The name of the month comes from his, and it means "
            "\"the desirable kingdom\" or \"the chosen dominion\", the good order that a wise "
            "ruler brings to the world. You carry a share of that order within you. You are "
            "judicious, weighing every matter carefully before you act, and you are organised to a "
            "degree that others envy: your lists are complete, your plans are sound and your "
            "accounts balance. You are also deeply practical, preferring what works to what merely "
            "looks fine. Beware of fussiness, though; not every detail needs your correction, and "
            "a little untidiness does no harm.")},
    SignRecord{
        "Mehr", "(Libra)", QT_TRANSLATE_NOOP("Parsiva", "MEHR (LIBRA)"),
        QT_TRANSLATE_NOOP("Parsiva", "Mitrah"),
        QT_TRANSLATE_NOOP(
            "Parsiva",
            "Those born between September 24 and October 23 belong to Mehr, the first month of "
            "autumn in the Persian calendar. The month is sacred to Mitrah, better known as "
            "Mithra, the deity of commitment, contracts and loyalty, whose promises were never "
            "broken. Your Western sign is the balanced scale, and balance is what you seek in "
            "everything you do: fairness between friends, harmony in your home and beauty in your "
            "surroundings. You are romantic at heart and sociable by nature, the kind of person "
            "who turns a quiet dinner into a celebration and makes strangers feel welcome. Love "
            "matters greatly to you. Take care, however, that your charm does not run ahead of "
            "you; you can be too flirtatious for your own good, and your loyal patron asks more of "
            "you.")},
    SignRecord{
        "Aban", "(Scorpio)", QT_TRANSLATE_NOOP("Parsiva", "ABAN (SCORPIO)"),
        QT_TRANSLATE_NOOP("Parsiva", "Ap"),
        QT_TRANSLATE_NOOP(
            "Parsiva",
            "If you were born between October 24 and November 22, your sign is Aban, the month of "
            "the waters. Its deity is Ap, the guardian of all waters, from the rivers to the "
            "deepest seas, and it is fitting that your Western counterpart, Scorpio, is also a "
            "water sign. Still waters run deep, and so do you. Your feelings are intense, your "
            "gaze is steady, and there is a magnetism about you that draws others in even when you "
            "say very little. Once you commit to a person or a cause you give it everything. That "
            "same depth has a darker side: you can grow possessive of those you love, and your "
            "obstinacy may keep you fighting long after a battle is lost.")},
    SignRecord{
        "Azar", "(Sagittarius)", QT_TRANSLATE_NOOP("Parsiva", "AZAR (SAGITTARIUS)"),
        QT_TRANSLATE_NOOP("Parsiva", "Adur"),
        QT_TRANSLATE_NOOP(
            "Parsiva",
            "Born between November 23 and December 21, you fall under Azar, the month of fire. It "
            "is ruled by Adur, the divinity of fire, who has often been compared with Agni, the "
            "fire god of the Hindus, and whose flame burned without rest in the temples of ancient "
            "Persia. That flame burns in you too. You are full of energy and meet every challenge "
            "with courage and "
            "\xC3\xA9" // e-acute as UTF-8 bytes, whatever encoding the compiler assumes
            "lan, and your honesty is so direct that it can startle people who are used to polite "
            "evasions. Friends treasure your loyalty, for you stand by them when others walk away. "
            "Your great weakness is over-confidence: sure that you will succeed, you may leap "
            "before you look, and a little more caution would save you from many burns.")},
    SignRecord{
        "Dey", "(Capricorn)", QT_TRANSLATE_NOOP("Parsiva", "DEY (CAPRICORN)"),
        QT_TRANSLATE_NOOP("Parsiva", "Dadar"),
        QT_TRANSLATE_NOOP(
            "Parsiva",
            "If your birthday lies between December 22 and January 20, you are born under the sign "
            "of Dadar, the Creator, in the month of Dey, which is devoted to Ahura Mazda himself. "
            "It is the heart of winter, when the nights are longest and the fields lie asleep "
            "under frost, and people of this sign have learned to thrive when times are hard. You "
            "are resourceful and find a way through where others see only walls; your wit is quick "
            "and dry and rarely fails you in company; and your will, once set, is very strong. "
            "Watch out for a pessimistic turn of mind that always expects the worst, and for a "
            "jealousy that can sour your closest bonds.")},
    SignRecord{
        "Bahman", "(Aquarius)", QT_TRANSLATE_NOOP("Parsiva", "BAHMAN (AQUARIUS)"),
        QT_TRANSLATE_NOOP("Parsiva", "Vohu Manah"),
        QT_TRANSLATE_NOOP(
            "Parsiva",
            "Born between January 21 and February 19, you belong to Bahman, the second month of "
            "the Persian winter. Its deity is Vohu Manah, the spirit of the good mind and the "
            "protector of all creatures, from the animals of the field to the birds of the air. "
            "Something of his kindness shows in the way you care for every living thing. You are "
            "exuberant and talkative, never short of an opinion or a story, and your intelligence "
            "lets you see connections that others miss. Above all you are idealistic: you dream of "
            "a fairer and better world and will gladly work long hours to bring it about. Just "
            "keep one foot on the ground, so that your grand visions can take root.")},
    SignRecord{
        "Esfand", "(Pisces)", QT_TRANSLATE_NOOP("Parsiva", "ESFAND (PISCES)"),
        QT_TRANSLATE_NOOP("Parsiva", "Spenta Armaiti"),
        QT_TRANSLATE_NOOP(
            "Parsiva",
            "Esfand, the last month of the Persian year, closes the winter and leads the world "
            "towards the New Year. It belongs to the goddess Spenta Armaiti, the protector of "
            "nature and of the earth, and the patron of merchants and farmers, whose labour "
            "depends on her favour; the Greeks would have recognised her in Demeter, the mother of "
            "the harvest. If this is your sign, you share her tender heart. Your compassion is "
            "boundless and your sensitivity lets you feel the joys and sorrows of others as if "
            "they were your own. Artists, healers and dreamers are often born in this month. Yet "
            "your trusting nature makes you gullible, easily led by those who mean you no good, "
            "and without a clear goal you may drift from one path to the next.")},
};

bool IsOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

const std::array<SignRecord, 12>& SignCatalogue() {
    return Catalogue;
}

const SignRecord* FindSign(std::string_view persianName) {
    for (const SignRecord& record : Catalogue) {
        if (record.PersianName == persianName) {
            return &record;
        }
    }
    return nullptr;
}

std::string SeasonOf(std::string_view persianName) {
    if (IsOneOf(persianName, {"Farvardin", "Ordibehesht", "Khordad"})) {
        return QT_TRANSLATE_NOOP("Parsiva", "Spring");
    }
    if (IsOneOf(persianName, {"Tir", "Mordad", "Shahrivar"})) {
        return QT_TRANSLATE_NOOP("Parsiva", "Summer");
    }
    if (IsOneOf(persianName, {"Mehr", "Aban", "Azar"})) {
        return QT_TRANSLATE_NOOP("Parsiva", "Fall");
    }
    return QT_TRANSLATE_NOOP("Parsiva", "Winter");
}

std::optional<ReadingResult> ComposeReading(std::string_view persianName) {
    const SignRecord* record = FindSign(persianName);
    if (record == nullptr) {
        return std::nullopt;
    }
    ReadingResult result;
    result.SignName = std::string(persianName);
    result.Heading = std::string(record->Heading);
    result.Season = SeasonOf(persianName);
    result.Deity = std::string(record->Deity);
    result.Description = std::string(record->Description);
    return result;
}

} // namespace parsiva
