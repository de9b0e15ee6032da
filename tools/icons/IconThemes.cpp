#include "IconThemes.h"

using namespace Qt::StringLiterals;

namespace {

QStringList Split(const QString &emoji)
{
    return emoji.split(u' ', Qt::SkipEmptyParts);
}

} // namespace

const QList<TIconTheme> &IconThemes()
{
    static const QList<TIconTheme> themes = {
        {u"activity.icl"_s,
         Split(
             u"⚽ 🏀 🏈 ⚾ 🎾 🏐 🏓 🏸 ⛳ 🎣 🏊 🚴 🏃 ⛷️ 🏂 ⛸️ 🛶 🧗 🏋️ 🤸 🧘 🎳 🎯 "
             u"🎮 "
             u"🎲 🧩 🎨 🎭 🎤 🎸 🎹 🎺 🎻 🥁 📚 🧶 🪁 🏕️ 🛹 🏇"_s)},
        {u"events.icl"_s,
         Split(
             u"🎂 🎉 🎊 🎁 🎈 💍 💒 🎓 👶 🍼 🏥 🦷 💉 ✈️ 🚗 🚆 🚢 🏨 🏖️ 📅 ⏰ 📞 💼 "
             u"📝 "
             u"💻 📧 🍽️ 🥂 🍕 ☕ 🎟️ 🏟️ 🎬 💇 🛒 🏠 🚚 🗳️ 🏦 🎶"_s)},
        {u"holiday.icl"_s,
         Split(
             u"🎄 🎅 🤶 ⛄ 🕎 🪔 🎃 👻 🦇 🐰 🥚 🐣 🦃 🍂 ❤️ 💘 🌹 🍀 ☘️ 🎆 🎇 🧨 🏮 "
             u"🎏 "
             u"🎐 🎑 🕯️ 🔔 🎀 🌟 ✝️ ☪️ ✡️ 🕉️ 🪅 👑 🍾 🥳 🐉 🎋"_s)},
        {u"misc1.icl"_s,
         Split(u"☀️ 🌤️ ⛅ 🌥️ ☁️ 🌦️ 🌧️ ⛈️ 🌩️ 🌨️ ❄️ 🌬️ 🌈 ☔ "
               u"🌪️ 🌫️ 🌡️ 🌙 🌕 🌑 ⭐ 🌍 🌋 🏔️ "
               u"🌳 🌲 🌴 🌵 🌻 🌷 🌸 🍁 🍄 🌊 🔥 💧"_s)},
        {u"misc2.icl"_s, Split(u"✅ ❌ ❗ ❓ ⚠️ 💡 📌 📎 ✂️ 🔑 🔒 💰 🏷️ 📦 🔧 🔨 🧹 🧺 🗑️ 💊 🚫 "
                               u"♻️ ☎️ ✉️ "
                               u"📷 🔋 ⏳ 🎒 👓 🧳 🪴 🛏️ 🚿 🧼 🪥 🧾"_s)},
        {u"BonusIcons/Animals.icl"_s,
         Split(u"🐶 🐱 🐭 🐹 🐰 🦊 🐻 🐼 🐨 🐯 🦁 🐮 🐷 🐸 🐵 🐔 🐧 🐦 🦆 🦉 🐴 🦄 🐝 "
               u"🦋 "
               u"🐢 🐍 🐙 🐠 🐬 🐳 🦒 🐘 🦘 🦔 🐿️ 🦜"_s)},
        {u"BonusIcons/Food.icl"_s,
         Split(u"🍎 🍐 🍊 🍋 🍌 🍉 🍇 🍓 🍒 🍑 🥝 🍍 🥕 🌽 🥦 🍅 🥑 🍞 🧀 🥚 🥞 🥓 🍔 "
               u"🍟 "
               u"🌭 🥪 🌮 🍝 🍜 🍣 🍩 🍪 🍰 🧁 🍫 🍿"_s)},
    };
    return themes;
}
