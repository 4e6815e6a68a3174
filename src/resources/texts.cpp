#include "resources/texts.h"

#include <QCoreApplication>

namespace Texts {

namespace {

struct Text {
    const char *name;
    const char *source;
};

// Each text exactly as the windows show it, in the user's language once translated: spaces
// kept as they stand, no final line break.
constexpr Text kTexts[] = {
    //: The main window's introduction: bold, centred, in a box 483 pixels wide that holds three
    //: lines.
    {"main-intro",
     QT_TRANSLATE_NOOP("Texts",
                       "Quintavel tells you more about your personality based on your choice of "
                       "fruit. Each fruit has its own personality, and the one you pick tells "
                       "you about your inner self as well as the outer self that others see.")},
    //: An offer to put the program on one's own web site, a link. Bold and underlined, centred, at
    //: most three lines in a box 399 pixels wide. "&&" shows as one "&"; the runs of spaces only
    //: part its sentences.
    {"offer-cobrand",
     QT_TRANSLATE_NOOP("Texts",
                       "Co-brand this software for your site.  Put your site name && link in it "
                       "and share it with your visitors.    See the Help file for full details. "
                       " Click Here for more info on co-branding.")},
    //: An offer of a copy of the program under one's own name, a link. Bold and underlined,
    //: centred, at most three lines in a box 399 pixels wide.
    {"offer-fullbrand",
     QT_TRANSLATE_NOOP("Texts",
                       "Home Business Opportunity. Start your own Internet business and make "
                       "money online. Get this software fully branded for your website. Click "
                       "here for more details.")},
    //: The About window's description: three lines at most in a box 425 pixels wide.
    {"about-description",
     QT_TRANSLATE_NOOP("Texts",
                       "Quintavel tells you more about your personality based on your choice of "
                       "fruit. Each fruit has it own personality that is reflected in the "
                       "choice of the person. This software is owned by Vellum Softwares.")},
    //: The farewell window's note on the maker's other programs: a box 233 pixels wide and 257 high
    //: (some 17 lines). The long run of spaces ends the first paragraph's last line, so that the
    //: second starts on a line of its own: keep a run long enough for that.
    {"farewell-programs",
     QT_TRANSLATE_NOOP("Texts",
                       "If you have enjoyed this software you will surely be interested in our "
                       "other Vellum Softwares. We make a whole family of astrology, psychic, "
                       "tarot, numerology and occult programs, and every one of them is simple, "
                       "fun and informative, just like this one.                                "
                       "                             People all over the world use and love our "
                       "programs, and some of them rank among the world’s favorite programs of "
                       "their kind. Download them all today from our website and try them for "
                       "yourself. If you enjoy them, please share them with your friends and "
                       "family so that they can have fun with them too. ")},
    //: An appeal of the farewell window, one of four shown at random: bold, four lines at most in a
    //: box 465 pixels wide. Tarnwell is the maker's forum.
    {"support-0",
     QT_TRANSLATE_NOOP("Texts",
                       "Vellum Softwares, such as this can be created and maintained only with "
                       "your support. The best way to help us is to visit our forum, Tarnwell, "
                       "regularly and take an active part in its discussions and other "
                       "activities.")},
    //: An appeal of the farewell window, one of four shown at random: bold, four lines at most in a
    //: box 465 pixels wide. Tarnwell is the maker's forum.
    {"support-1",
     QT_TRANSLATE_NOOP("Texts",
                       "Visit Tarnwell regularly. Join in the discussions and take part in the "
                       "other activities there. Without your frequent visits we cannot support "
                       "and maintain all our programs or keep them free.")},
    //: An appeal of the farewell window, one of four shown at random: bold, four lines at most in a
    //: box 465 pixels wide. Tarnwell is the maker's forum.
    {"support-2",
     QT_TRANSLATE_NOOP("Texts",
                       "Tarnwell is a FREE online discussion forum for all things vellum. If "
                       "you visit it regularly, you help us to develop and maintain this "
                       "software.")},
    //: An appeal of the farewell window, one of four shown at random: bold, four lines at most in a
    //: box 465 pixels wide. Tarnwell is the maker's forum.
    {"support-3",
     QT_TRANSLATE_NOOP("Texts",
                       "Tarnwell needs your help. Visit the forum regularly and take part in "
                       "its discussions and activities. Your visits help us maintain this "
                       "software and develop new programs just like it.")},
    //: A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the
    //: English text nearly fills.
    {"fruits/apple",
     QT_TRANSLATE_NOOP("Texts",
                       "If you have a liking for the sweet and juicy apple, you tend to indulge "
                       "in expensive buys and a showy lifestyle. You are flamboyant and "
                       "outspoken, and you never hesitate to say what is on your mind. "
                       "Spontaneous and impulsive, you act on the spur of the moment and enjoy "
                       "the thrill of the unexpected. You are a natural leader whom others "
                       "gladly follow, though you are not always methodical and may leave the "
                       "finer details to others. You love to travel and to discover new places "
                       "and new faces. Amongst your friends you are charming, warm and "
                       "generous, and your company is always in demand.")},
    //: A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the
    //: English text nearly fills.
    {"fruits/banana",
     QT_TRANSLATE_NOOP("Texts",
                       "Your compassionate nature and sympathetic understanding of others have "
                       "a calming effect on those around you. Friends and even strangers come "
                       "to you with their troubles, and you are a trusted confidant who keeps "
                       "their secrets close. Yet you can be gullible and much too trusting, and "
                       "people do not always earn the faith you place in them. You tend to lack "
                       "self-confidence and are shy in the company of people you do not know, "
                       "so your true worth is often seen only by those close to you. In love "
                       "you are a gentle and caring partner, always ready to put the happiness "
                       "of your loved one above your own.")},
    //: A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the
    //: English text nearly fills.
    {"fruits/blackgrapes",
     QT_TRANSLATE_NOOP("Texts",
                       "You are well known for your modesty and good manners. You are amiable "
                       "and easy to get along with, and people quickly feel at home in your "
                       "company. You do have a quick temper, but your anger is short-lived and "
                       "you never hold a grudge for very long. You see beauty everywhere, in "
                       "nature, in art and in the people you meet, and this makes your life "
                       "rich and colorful. Lively and full of fun, you are popular wherever you "
                       "go. You are an optimistic extrovert who looks forward to every new day, "
                       "and your cheerful spirit lifts the mood of everyone around you.")},
    //: A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the
    //: English text nearly fills.
    {"fruits/cherry",
     QT_TRANSLATE_NOOP("Texts",
                       "The round luscious cherries intrigue your mind and so does the world "
                       "around you. You are an imaginative dreamer who loves to build castles "
                       "in the air, and your head is always full of new ideas. Your life is "
                       "likely to take many twists and turns, and not all of them will be easy. "
                       "You will have to work hard to build your career, and success may come "
                       "later than you hope. Money matters can be a source of worry for you, so "
                       "learn to plan and save with care. Though you feel things deeply, you "
                       "find it hard to show your emotions, and those close to you may not "
                       "always know how much you really care.")},
    //: A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the
    //: English text nearly fills.
    {"fruits/coconut",
     QT_TRANSLATE_NOOP("Texts",
                       "The coconut loving persons choose their friends and companions after "
                       "much thought. You are sociable and enjoy good company, but you are very "
                       "choosy about whom you let into your inner circle. Your opinions are "
                       "austere and firmly held, and you do not change them lightly. You are "
                       "clever and industrious, and you put great effort into all that you do, "
                       "however small the task. At work you have a commanding presence, and "
                       "others look up to you for direction. In love you want a partner who is "
                       "both intelligent and loving, someone who can match your mind as well as "
                       "warm your heart.")},
    //: A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the
    //: English text nearly fills.
    {"fruits/custardapple",
     QT_TRANSLATE_NOOP("Texts",
                       "You respect time honored values and ideas above modern points of view. "
                       "You are conservative in your outlook and hold on to the customs you "
                       "grew up with, yet beneath this firm exterior lies a sensitive soul that "
                       "is easily wounded. You are ambitious and systematic, and you reach your "
                       "goals step by step through careful planning and steady effort. Despite "
                       "your achievements you stay modest and never boast of your success. Your "
                       "tastes are refined, and you enjoy the finer things of life in a quiet "
                       "and graceful way. When it comes to love, you value your partner's "
                       "intelligence far more than good looks, for a sharp mind wins your heart.")},
    //: A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the
    //: English text nearly fills.
    {"fruits/mango",
     QT_TRANSLATE_NOOP("Texts",
                       "A mango lover with a deep affinity for the sweet fragrant kernel of "
                       "ripe mangoes tends to be quite radical in his ideas and thoughts. You "
                       "are hard to convince unless you are given sound reasons, and you never "
                       "accept an idea simply because others do. You have a gift for steering "
                       "any situation the way you want it to go, even when others give up. When "
                       "a challenge comes your way, you throw yourself into it wholeheartedly "
                       "and give it your very best. You are strong-willed and stand firm in all "
                       "that you believe, yet deep inside you are in need of affection and long "
                       "for the warmth of people who love you. ")},
    //: A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the
    //: English text nearly fills.
    {"fruits/orange",
     QT_TRANSLATE_NOOP("Texts",
                       "Those favoring orange over all other fruits may appear to be timid and "
                       "introvert people. But appearances can deceive, for you have a great "
                       "inner strength and a willpower that carries you through hard times. You "
                       "are patient and steady, and you work towards your goals without haste "
                       "or fuss. Laziness is something you cannot stand, whether in yourself or "
                       "in others. You are methodical in your ways and like to see things done "
                       "in their proper order. You also have an artistic side, and you may find "
                       "joy in music, painting or writing. You prefer peace to strife and avoid "
                       "conflict wherever you can, choosing calm words over harsh ones.")},
    //: A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the
    //: English text nearly fills.
    {"fruits/paneapple",
     QT_TRANSLATE_NOOP("Texts",
                       "If you have a strong fascination for pineapple, you seem to possess "
                       "extra ordinary organizing skills. You make quick judgments and are "
                       "usually right, for you see through people and situations at a glance. "
                       "You are not afraid of changing your career when a better path appears, "
                       "and you face fresh beginnings with courage. You are responsible and "
                       "honest, and people know they can rely on your word. You have only a few "
                       "friends, but those friendships last for a whole lifetime. In romance "
                       "you are practical rather than dreamy, and you look for a partner with "
                       "whom you can build a stable and happy life, one sensible step at a time.")},
    //: A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the
    //: English text nearly fills.
    {"fruits/papaya",
     QT_TRANSLATE_NOOP("Texts",
                       "If you love papaya best of all kinds of fruits, you are a thoughtful "
                       "and calculative person. You carefully weigh the pros and cons before "
                       "you take any decision, and so you seldom have cause to regret it. You "
                       "are courageous and reliable, and friends and family turn to you in "
                       "times of need. Jovial and generous by nature, you like to share your "
                       "good fortune with all those around you. You have a fine sense of timing "
                       "and know just when to act and when to wait. In your profession you are "
                       "ambitious, and you aim high and work hard and steadily to reach the "
                       "top. ")},
    //: A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the
    //: English text nearly fills.
    {"fruits/peach",
     QT_TRANSLATE_NOOP("Texts",
                       "Peach loving persons always look at the sunny side of life. You are "
                       "optimistic by nature, and even in bad times you believe that things "
                       "will turn out well in the end. You are candid and outspoken, and you "
                       "say what you think without fear. You make friends with strangers "
                       "easily, and a chance meeting with you often grows into a lasting "
                       "friendship. You value your independence and like to go your own way, "
                       "wherever it leads. You are ambitious and set high goals for yourself. "
                       "In love you are passionate and true. You give your whole heart to the "
                       "one you love and stand by your partner through every season of life.")},
    //: A reading, in the second person: bold, in a box 409 pixels wide and 161 high that the
    //: English text nearly fills.
    {"fruits/pear",
     QT_TRANSLATE_NOOP("Texts",
                       "You have a problem in concentrating in a specific task. You take up new "
                       "hobbies and plans with great enthusiasm, but all too often that "
                       "enthusiasm fades before the job is done. You are impatient for results "
                       "and want to see the fruits of your work at once. You have a way with "
                       "words and can talk easily on nearly any subject, which makes you good "
                       "company at any gathering. You are restless by nature and always on the "
                       "move, looking for something new to keep your mind busy. You make "
                       "friends easily wherever you go, but the bonds you form do not always "
                       "last, as your restless heart soon draws you on to new people and new "
                       "places. ")},

};

} // namespace

QString get(const QString &name) {
    for (const Text &text : kTexts)
        if (name == QLatin1StringView(text.name))
            return QCoreApplication::translate("Texts", text.source);
    return {};
}

} // namespace Texts
