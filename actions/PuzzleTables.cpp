// Every puzzle of the Action button, as rows for the interpreter. Keys, object names and texts are
// matched letter for letter against the stored world, so their spelling (typos included) is part of
// the game and must not be "corrected" here.

#include "actions/PuzzleRow.h"

#include <string>
#include <utility>
#include <vector>

namespace brackenhollow {
namespace {

// Short builders for the guards, so that each row reads like its puzzle.
Check KeyIs(std::string key, std::string value, std::string failMessage = {},
            PictureChange failPicture = PictureChange::Keep, bool failMessageOnly = false) {
  return {CheckKind::KeyIs, std::move(key), std::move(value), std::move(failMessage), failPicture,
          failMessageOnly};
}

Check KeyIsNot(std::string key, std::string value, std::string failMessage = {}) {
  return {CheckKind::KeyIsNot, std::move(key), std::move(value), std::move(failMessage),
          PictureChange::Keep, false};
}

Check Carried(std::string item, std::string failMessage) {
  return {CheckKind::Carried, std::move(item), {}, std::move(failMessage), PictureChange::Keep, false};
}

Check Never(std::string refusal, PictureChange failPicture = PictureChange::Keep) {
  return {CheckKind::Never, {}, {}, std::move(refusal), failPicture, false};
}

constexpr int kAnyRoom = 0;

PuzzleRow Row(Family family, std::string noun, int room, PictureChange onMatch, std::vector<Check> checks,
              std::vector<Effect> effects) {
  return {family, std::move(noun), {}, room, onMatch, std::move(checks), std::move(effects)};
}

// A "Use the __ with the __" combination: the carried item, then the fixture or the second item.
PuzzleRow Pair(std::string item, std::string other, int room, PictureChange onMatch,
               std::vector<Check> checks, std::vector<Effect> effects = {}) {
  return {Family::UseWith, std::move(item), std::move(other), room, onMatch, std::move(checks),
          std::move(effects)};
}

// The lever's refusals leave the room view as it stands.
Check LeverGuard(std::string key, std::string value, std::string failMessage) {
  return KeyIs(std::move(key), std::move(value), std::move(failMessage), PictureChange::Off, true);
}

const std::string kLeverStuck =
    "You spit on your hands and try to pull the lever down. It won't move. You try hanging on the "
    "lever, jumping on the lever, nothing works. Maybe you should try again later.";

std::vector<PuzzleRow> BuildRows() {
  using enum Family;
  using enum PictureChange;
  return {
      // ---- "Get the" the rat -------------------------------------------------------------------
      Row(GetRat, "rat", 58, On,
          {KeyIsNot("wear gloves to pick up rat", "0",
                    "You can't just pick up the rat with your bare hands. It'll bite you.")},
          {AddItem("rat"), MarkGone("rat"),
           SetDescription(58, "You are in a filthy room. Rats have burrowed a hole in the wall."),
           Message("The rat tries to sink its teeth into your hands but your gloves are doing "
                   "pretty well in keeping him from eating your fingers.")}),

      // ---- "Turn On the" -----------------------------------------------------------------------
      Row(TurnOn, "lamp", 2, Keep, {KeyIs("Lamp On Room 1", "0", "The Lamp is already on")},
          {PictureOn(), SetKey("Lamp On Room 1"), PlaceObject(2, "letter", 1, 0, "It's your mail."),
           SetDescription(2,
                          "You're on the west side of your bedroom. The kitchen is to the north. "
                          "Your bed is to the east. You can reach the lamp from here. It's nice "
                          "and bright in here."),
           Message("You turn on the lamp and notice a letter sticking out from under the bed. "
                   "(Click GRAPHIC button to view)")}),

      // ---- "Talk to": the check holds the answer once the puzzle is solved ---------------------
      Row(TalkTo, "farmer", 18, Keep,
          {KeyIs("pay the farmer to get into corn field", "0",
                 "The farmer can't talk to you now. He's busy counting his big bag of gold.")},
          {Message("The farmer greets you with a big howdy. He tells you he runs this cornfield as "
                   "a maze for visitors, and he ain't responsible if you go and get yourself lost "
                   "in there. The entrance fee is one big bag of money. Once you're in you can eat "
                   "all the corn you like and keep whatever you find, since folks dump all kinds "
                   "of things in that field.")}),
      Row(TalkTo, "young woman", 131, Keep,
          {KeyIs("give christmas tree to young lady", "0", "The woman is admiring her Christmas tree")},
          {Message("The young woman says this Christmas has been especially hard for this town. "
                   "What she misses most is a real, natural pine Christmas tree, but she didn't "
                   "have the money for one this year. She sighs and goes back to hanging lights "
                   "around an empty corner.")}),
      Row(TalkTo, "magician", 121, Keep,
          {KeyIs("rabbit", "0", "The magician can't talk to you. He's petting the rabbit right now.")},
          {Message("The magician is a little down in the dumps because he lost his favorite pet. "
                   "The pet was an integral part to his pull the animal out of the hat trick.")}),
      Row(TalkTo, "old man", 130, Keep,
          {KeyIs("give staff to old man", "0", "The old man loves his new staff")},
          {Message("The old man tells you about how he's come upon some rough times. He can hardly "
                   "walk anymore, and his old legs can barely keep him steady. He wobbles a little "
                   "just from telling you about it.")}),

      // ---- "Search the" ------------------------------------------------------------------------
      Row(Search, "trash can", 113, Keep,
          {KeyIsNot("Look in trash can 113", "1", "You're already looking right into the trash can")},
          {ShowPicture("\\alleywithtrashcaninside.gif"), PictureOff(), SetKey("Look in trash can 113"),
           PlaceObject(113, "rotten meat", 1, 0,
                       "The rotten meat is green and disgusting. I think I found some maggots. I "
                       "can't imagine any person wanting to eat this."),
           Message("You open the trash can and look inside. You almost toss your lunch when you "
                   "get a whiff of the rotten meat that's inside. (Click GRAPHIC button to view)")}),
      Row(Search, "scarecrow", 17, Keep,
          {KeyIs("look at scarecrow", "0", "There is nothing else on the scarecrow", Off)},
          {SetKey("look at scarecrow"), ShowPicture("\\scarecrowcloseup.gif"), PictureOff(),
           PlaceObject(17, "string", 1, 0,
                       "It's a long piece of string. Pretty sturdy to tell you the truth. It "
                       "reminds you of twine."),
           Message("You get closer to the scarecrow to take a closer look. It's nothing but a "
                   "bunch of old clothes stuffed with hay, and not very scary up close. A piece of "
                   "twine hangs loose from its shirt, and it's very long and thick. (Click GRAPHIC "
                   "button to view)")}),
      Row(Search, "hole", 96, Off,
          {KeyIs("look in hole for dusty key", "0",
                 "You've already gotten everything you need from that hole.")},
          {SetKey("look in hole for dusty key"),
           PlaceObject(96, "dusty key", 1, 1, "It's a key caked with dust."), AddItem("dusty key"),
           Message("You stick your enormous head into the enormous hole and take a deep breath of "
                   "musty air. Whole families of insects seem to live in here. Someone has hidden a "
                   "key in the hole, caked in dust, so you brush the bugs off it and pocket it.")}),
      Row(Search, "dresser", 94, Off, {KeyIs("open dresser", "0", "There's nothing else in the drawers.")},
          {SetKey("open dresser"),
           PlaceObject(94, "gloves", 1, 0,
                       "This must be the gardeners room because these look like gardners' gloves. "
                       "They're thick and sturdy, the kind that keep your hands from chafing when "
                       "you pull weeds all afternoon."),
           Message("You open the drawer and find a pair of gloves. (Click GRAPHIC button to view)"),
           ShowPicture("\\drawer inside.gif")}),
      // The safe's own key comes first, so an opened safe is silent whatever the painting says.
      Row(Search, "safe", 116, On,
          {KeyIs("open safe", "0"), KeyIs("use turpentine on painting", "1",
                                          "You'll have to find the combination to open this safe.")},
          {SetKey("open safe"),
           PlaceObject(116, "bag of gold", 1, 0,
                       "The gold coins are a very large denomination. You can buy anything you want "
                       "with this money."),
           Message("You remember seeing the numbers 4 5 9 on the painting, so you give them a try. "
                   "You spin the dial to 4, then 5, then 9, and the safe clicks open. Inside sits a "
                   "bag full of gold coins. (Click GRAPHIC button to view)")}),

      // ---- "Climb the" -------------------------------------------------------------------------
      Row(Climb, "large twisted tree", 52, Keep,
          {KeyIs("climb tree to see eggs", "0",
                 "There's no other reason that I need to climb up there. There are no more eggs.")},
          {ShowPicture("\\nest with eggs.gif"), PictureOff(), SetKey("climb tree to see eggs"),
           PlaceObject(52, "eggs", 1, 0, "The eggs still feel warm."),
           Message("You roll up your pants and your sleeves and you shimmy your way up the tree. At "
                   "the top is a nest full of eggs, and there's no mother bird in sight. You elbow "
                   "a few of the eggs over the edge and they tumble down to the ground. (Click "
                   "GRAPHIC to see the eggs.)")}),

      // ---- "Read the": works wherever the thing is offered -------------------------------------
      Row(Read, "letter", kAnyRoom, Keep,
          {KeyIs("read the letter", "0", "You've already read the letter. You can now leave the house.")},
          {SetKey("read the letter"), PictureOn(),
           Message("The letter reads: 'Old buddy, I've finally figured out the secrets of the "
                   "Islands, and they're going to make us both rich! I need you to get a boat and "
                   "sail over here as soon as you can. Whatever you do, make sure nobody follows "
                   "you. Your friend, Barnaby Fenwick'"),
           RemoveItem("letter"),
           SetDescription(1,
                          "You're in your bedroom. Your comfy bed is here. Your mirror hangs on "
                          "the wall, and the lamp on the nightstand is out of reach from here. The "
                          "doorway out of the house is to the south. Now that you've read your "
                          "mail, you're ready to go outside.")}),
      Row(Read, "tombstone", kAnyRoom, Keep, {},
          {Message("The tombstone reads: 'Here lies Cornelius Wren, the town baker, who always had "
                   "the key to light up anyones heart.'")}),
      Row(Read, "plaque", kAnyRoom, Keep, {},
          {Message("The plaque reads: 'This sculpture is dedicated to Rusty Calloway of the "
                   "Millbrook Muskrats, who did number nine proud.'")}),

      // ---- "Move the" --------------------------------------------------------------------------
      Row(Move, "mirror", 9, On,
          {KeyIs("move mirror", "0",
                 "You mirror is already on the ground. There's no need to move it anymore.")},
          {SetKey("move mirror"),
           Message("The mirror looked crooked to you so you decide to straighten it. You tip it a "
                   "little too far and it comes crashing down to the floor. The frayed rope it was "
                   "hanging on has come loose on one side, and it looks long and sturdy enough to "
                   "be worth taking. (Click GRAPHIC button to view)"),
           PlaceObject(9, "rope", 1, 0, "It's a nice long rope."),
           SetDescription(9,
                          "You are on the east side of your bedroom. You broke the mirror trying "
                          "to straighten it out."),
           PictureOn()}),
      Row(Move, "telescope", 67, On,
          {KeyIs("look through telescope to find lighthouse", "0",
                 "You've already found where the light house is. The telescope doesn't show "
                 "anything else that's interesting.")},
          {SetKey("look through telescope to find lighthouse"),
           Message("You start rotating the telescope around and enjoy the scenery of your city. "
                   "After a few minutes of the same old neighborhood you get bored. Then something "
                   "sparkles on the beach: a lighthouse you've never noticed before. It might be "
                   "worth checking out. (Click GRAPHIC to see the telescope view)"),
           SetDescription(67,
                          "You are in front of large telescope. The telescope is pointed at the "
                          "at the lighthouse on the beach."),
           SetDescription(79,
                          "You are on the edge of a beach. The water is pretty, but strangely "
                          "blue and thick instead of clear. The lighthouse you saw in the "
                          "telescope is to the north.")}),

      // ---- "Wear the": any room, carried or not -------------------------------------------------
      Row(Wear, "gloves", kAnyRoom, Off,
          {KeyIs("wear gloves to pick up rat", "0", "You're already wearing the gloves.")},
          {SetKey("wear gloves to pick up rat"), AddItem("<wearing>gloves"),
           PlaceObject(1, "<wearing>gloves", 0, 1, "The thick gloves fit nicely."), RemoveItem("gloves"),
           Message("You place the thick work gloves on.")}),
      Row(Wear, "water wings", kAnyRoom, Off, {KeyIs("wear waterwings", "0", "You're already wearing them.")},
          {SetKey("wear waterwings"), RemoveItem("water wings"), AddItem("<wearing>water wings"),
           PlaceObject(1, "<wearing>water wings", 1, 1, "The water wings are strapped to your arms."),
           Message("You squeeze into the childsize waterwings. You really should learn how to swim "
                   "one of these days.")}),
      Row(Wear, "clothespin", kAnyRoom, On,
          {KeyIs("use clothespin", "0", "You don't need to do that anymore")},
          {SetKey("use clothespin"), RemoveItem("clothespin"), AddItem("<wearing>clothespin"),
           PlaceObject(1, "<wearing>clothespin", 1, 1, "The clothespin is clamped tightly on your nose."),
           Message("You just decide you don't want to breath through your nose and smell anymore. "
                   "You clamp the clothespin on to your nose. It kind of stings."),
           SetDescription(89,
                          "You are in the sewer pipes for some godforsaken reason. Miles of "
                          "sewage pipes stretch out in front of you. The clothespin on your nose "
                          "keeps the smell away, for now. There is a passage to the east.")}),

      // ---- "Pull the" --------------------------------------------------------------------------
      Row(Pull, "torch", 64, On, {KeyIs("pull torch", "0")},
          {SetKey("pull torch"),
           SetDescription(64,
                          "You are in a room with a torch on the wall and a bed. The torch is "
                          "only a plastic and crystal imitation, and you've pulled it over. A "
                          "secret passage now leads to the west."),
           Message("For some reason you are compelled to pull the torch. It's just a flickering "
                   "glass replica and it isn't even hot. When you pull it you hear a loud cranking "
                   "sound, and a door hidden in the wall swings open. (Click GRAPHIC button to "
                   "view)")}),
      // The green altar is asked first; the ruby is read only once the emerald is in.
      Row(Pull, "lever", 133, Keep,
          {LeverGuard("use green emerald", "1", kLeverStuck), LeverGuard("use red ruby", "1", kLeverStuck),
           LeverGuard("pull lever in tunnel", "0", "The lever is already pulled")},
          {SetKey("pull lever in tunnel"), PictureOn(),
           Message("Since you were able to activate the other two altars, you figure you'd give it "
                   "a try and give this lever a pull. This time the lever moves easily, and a beam "
                   "of light shoots out of the altar straight through the ceiling. (Push GRAPHIC to "
                   "view) The boat jerks forward and sails for hours, until an island comes into "
                   "sight and the boat comes to a stop. You can leave the boat by going south.")}),

      // ---- "Swim in the" -----------------------------------------------------------------------
      Row(Swim, "pool", 103, Off,
          {KeyIs("swim in pool", "0",
                 "You just dried off from your last dip. I don't think you'll be getting in pool "
                 "again any time soon."),
           KeyIs("wear waterwings", "1",
                 "You've never learned how to swim. You're gonna need a water matress, a lifeguard, "
                 "or swimming lessons to go in that deep pool.")},
          {SetKey("swim in pool"),
           PlaceObject(103, "amulet", 1, 0,
                       "It's a beautiful amulet with a chain for it like a necklace. There's a large "
                       "star in the middle of the amulet. You wonder what that means."),
           Message("You decide to try out these waterwings. You still can't swim, but bobbing "
                   "around the pool in them is actually a lot of fun. Something sparkles on the "
                   "bottom, so you take a deep breath and somehow dive down for it. It's an amulet "
                   "with a star design on it. (Click GRAPHIC to see the amulet)"),
           ShowPicture("\\amulet.gif")}),

      // ---- "Use the __ with the __": item first, then the fixture or second item ---------------
      // 1
      Pair("coin", "slot", 15, Keep, {KeyIs("use coin from well to pay toolboth", "0")},
           {SetKey("use coin from well to pay toolboth"), RemoveItem("coin"),
            SetDescription(15,
                           "You are in front of a tollbooth. The sign on the tollbooth now says "
                           "PAID. There is a farm to the south and an alley to the west. The main "
                           "street is back to the north."),
            Message("You insert the coin into the tollbooth slot. You hear a satisfying clink and "
                    "you see the barriers raise. (Click GRAPHIC to view) You can now go west and "
                    "south.")}),
      // 2
      Pair("carrot", "rabbit hole", kAnyRoom, Keep,
           {Never("I wouldn't want to just drop the carrot into the hole. I'd lose the carrot and get "
                  "nothing in return. I need to fish whatever is in that hole out somehow.")}),
      // 3
      Pair("rope", "teapot", kAnyRoom, Keep,
           {KeyIs("tie rope to teapot", "0", "You've already tied the rope to the teapot")},
           {SetKey("tie rope to teapot"), RemoveItem("rope"), RemoveItem("teapot"),
            AddItem("rope tied to teapot"),
            PlaceObject(999, "rope tied to teapot", 0, 1,
                        "The teapot is now dangling on a long rope by the handle."),
            Message("You loop the rope through the teapot handle and give it a lot of slack.")}),
      // 4
      Pair("rope tied to teapot", "well", 8, Keep, {KeyIs("use teapot on rope on well to get coin", "0")},
           {SetKey("use teapot on rope on well to get coin"), AddItem("coin"),
            PlaceObject(999, "coin", 0, 1,
                        "It's a nice and shiny, silver coin that says TOLL in large letters on the "
                        "front"),
            RemoveItem("rope tied to teapot"),
            Message("You lower the teapot with the rope into the well. After a lot of swishing and "
                    "dipping, something shiny clinks into the teapot. You haul it up, pocket the "
                    "coin, and throw the rope and the teapot away.")}),
      // 5: the string must be in hand before the key is even asked
      Pair("carrot", "string", kAnyRoom, Keep,
           {Carried("string", "You don't have any string"), KeyIs("tie string to carrot", "0")},
           {SetKey("tie string to carrot"), RemoveItem("carrot"), RemoveItem("string"),
            AddItem("carrot on string"),
            PlaceObject(999, "carrot on string", 0, 1,
                        "I'm not sure why you have a carrot on string. Maybe you're looking to tease "
                        "a donkey into farming or something? Nah, something else."),
            Message("You tie the string to the carrot. Now you have a fishing pole without the pole "
                    "and carrot for bait.")}),
      // 6
      Pair("carrot", "rope", kAnyRoom, Keep,
           {Never("The rope is too thick to tie around the carrot. Try something else.", Off)}),
      // 7
      Pair("green emerald", "green altar", 128, Keep,
           {KeyIs("use green emerald", "0",
                  "There's no need to do that any more. The ship's engine has already started.")},
           {SetKey("use green emerald"), RemoveItem("green emerald"), PictureOn(),
            Message("You place the green emerald on the top of the strange, green structure. The "
                    "structure gobbles it right up and shoots a beam of light straight up. Somewhere "
                    "below your feet the ship's engine starts to rev."),
            SetDescription(128,
                           "You are in the control room of the ship. There is a strange altar in "
                           "the middle of the room that is shooting out a bright light    .")}),
      // 8
      Pair("small ruby", "red altar", 125, Keep,
           {KeyIs("use red ruby", "0",
                  "There's no need to do that any more. The ship's lights are already on.")},
           {SetKey("use red ruby"), RemoveItem("small ruby"), PictureOn(),
            Message("You place red the red ruby on top of the strange, red structure. The structure "
                    "gobbles it right up and shoots a beam of light to the ceiling. One by one the "
                    "lights in the boat flicker on."),
            SetDescription(125,
                           "You are in the ship's red room. There is a strange red altar in the "
                           "middle of the room that is shooting out a bright light.")}),
      // 9
      Pair(
          "saw", "pine tree", 132, Keep, {KeyIs("cut pine tree", "0")},
          {SetKey("cut pine tree"), RemoveItem("saw"),
           PlaceObject(132, "cut pine tree", 1, 0, "It's a small pine tree. Kind of makes you feel festive."),
           Message("You wield the saw like a regular ole lumber jack and take down the small pine "
                   "tree. You wonder how you'll ever be strong enough to drag it along with "
                   "everything else you carry. You throw the saw away, since you won't be needing "
                   "it anymore.")}),
      // 10
      Pair("violet key", "purple door", 65, Keep, {KeyIs("use violet key in library", "0")},
           {SetKey("use violet key in library"), RemoveItem("violet key"),
            SetDescription(65,
                           "You are in a room with a large bookshelf. There is a bright purple door "
                           "that is open to the east. There is a weight room to the west."),
            Message("The violet key requires some forcing but you're finally able to jiggle the door "
                    "open to EAST.")}),
      // 11
      Pair("shovel", "grave", 50, Keep,
           {KeyIs("dig with shovel to get bone key to lighthouse", "0",
                  "You've already desecrated this grave once. No need to do it again.")},
           {SetKey("dig with shovel to get bone key to lighthouse"), RemoveItem("shovel"),
            PlaceObject(50, "bone key", 1, 1, "It looks like an actual key carved out of a single bone."),
            AddItem("bone key"),
            SetDescription(50, "You are in front of a grave that you have desecrated by digging up."),
            Message("You satisfy your desire for grave robbing, and dig a good six feet down. There's "
                    "no coffin down there, just a key carved out of a single bone. You pocket the key "
                    "and throw the shovel away.")}),
      // 12
      Pair("bone key", "white door", 83, Keep, {KeyIs("use bone key", "0", "The door is already open")},
           {SetKey("use bone key"), RemoveItem("bone key"),
            Message("The white bone key fits perfectly into the door and unlocks."),
            SetDescription(83,
                           "You are at the entrance to the lighthouse. The door to the north is "
                           "unlocked and open. It is smooth and white, kind of like ivory.")}),
      // 13
      Pair("wax candle", "bonfire", 118, Keep, {KeyIs("melt wax", "0")},
           {SetKey("melt wax"), RemoveItem("wax candle"), AddItem("melted wax"), AddItem("small ruby"),
            PlaceObject(118, "melted wax", 1, 1, "The wax is no soft and moldable"),
            PlaceObject(118, "small ruby", 1, 1,
                        "The ruby is a light shade of red. Its sparkles brightly in light."),
            Message("You bring the wax close enough to the bonfire to not burn your hands and wait. "
                    "The wax grows pliable, then starts to melt and drip. Something hidden inside "
                    "begins to show: a small ruby! You pocket the ruby and the lump of melted "
                    "wax.")}),
      // 14
      Pair("crowbar", "manhole", 88, Keep, {KeyIs("openmanhole with crowbar", "0")},
           {SetKey("openmanhole with crowbar"),
            SetDescription(88,
                           "You are in front of a manhole that leads to the sewers to the north. "
                           "The manhole is open. You're not really sure that you can stand the "
                           "stink of the sewers."),
            Message("You decide you can take a bath some other time. You jam the crowbar under the "
                    "edge of the manhole and lever it open. You can climb into it by going N. (Click "
                    "Graphic to view)")}),
      // 15
      Pair("scythe", "thick, thorny brush", 72, Keep, {KeyIs("cut brush with scythe", "0")},
           {SetKey("cut brush with scythe"),
            SetDescription(72,
                           "You are in front of a wall of thick brush. There is a path to the west. "
                           "There is a four way road to the east."),
            Message("You raise the scythe over your head and swing it around like the grim reaper. "
                    "A few good swings cut a hole in the brush just big enough for you to tiptoe "
                    "through. You throw the scythe away before you hurt yourself with it. (Click "
                    "GRAPHIC button to view)"),
            RemoveItem("scythe")}),
      // 16
      Pair("carrot on string", "rabbit hole", 122, Keep, {KeyIs("use carrot to feed rabbit", "0")},
           {SetKey("use carrot to feed rabbit"),
            Message("Now you can use the carrot as bait. You ease the carrot down into the hole by "
                    "its string and wait. After a few hours you feel a bite, and when you pull the "
                    "carrot out a rabbit follows it, chewing away. You nab the rabbit before it can "
                    "hop off."),
            RemoveItem("carrot on string"), AddItem("rabbit"),
            PlaceObject(999, "rabbit", 0, 1,
                        "It's a nice sized rabbit. It'd be pretty good for a stew if you were into "
                        "that kind of delicacy.")}),
      // 17: no haystack lies in room 54, so this only ever refuses
      Pair("magnet", "haystack", 54, Keep,
           {Never("You run the magnet over these haystacks but you don't find anything. Maybe you "
                  "should try some different stacks.")}),
      // 18
      Pair("magnet", "haystacks", 97, Keep,
           {KeyIs("use magnet on haystack to find key", "0", "There's no need to do this anymore.")},
           {SetKey("use magnet on haystack to find key"), AddItem("water key"),
            PlaceObject(999, "water key", 0, 1,
                        "It's a large metal key with water designs embedded all around it."),
            RemoveItem("magnet"),
            SetDescription(97,
                           "You are in between some really large haystacks. There are no more "
                           "twinkles in the haystacks."),
            Message("You scan these haystacks. After a few minutes of waving the magnet around you "
                    "hear a clink, and there's a key stuck to the end of it. You pull the key off "
                    "and throw the magnet away.")}),
      // 19
      Pair("water key", "blue door", 56, Keep, {KeyIs("unlock mansion door", "0")},
           {SetKey("unlock mansion door"), RemoveItem("water key"),
            SetDescription(56,
                           "The mansion door is in front of you. The big blue door is unlocked "
                           "and open, and its color still reminds you of the ocean. You can go "
                           "into the house to the west. You can follow the side of the house to "
                           "the south."),
            Message("The door's oceanic look makes you think the water key and the door are a "
                    "perfect match. The key clicks in the lock and the door swings open. You throw "
                    "the water key away.")}),
      // 20
      Pair("rat", "snakes", 70, Keep, {KeyIs("feed snakes", "0")},
           {SetKey("feed snakes"), RemoveItem("rat"), RemoveItem("gloves"),
            PlaceObject(70, "plastic nine", 1, 0, "It looks like a child's toy. It's a plastic nine."),
            Message("You throw the rat to the corner of the room and all the snakes converge on it. "
                    "When the hissing dies down you notice something lying on the floor: a plastic "
                    "nine, like a child's toy. (Press the GRAPHIC button to view)")}),
      // 21
      Pair("crowbar", "boulders", 98, Keep, {KeyIs("open cave with crowbar", "0")},
           {SetKey("open cave with crowbar"),
            SetDescription(98,
                           "You are in front of the entrance to a cave. After moving some boulders "
                           "around, there is now a passage to the east."),
            Message("You jam the crowbar in between a few of the boulders and manage to move some of "
                    "them around. After moving a few boulders you notice the cave has an "
                    "opening.")}),
      // 22
      Pair("amulet", "gate", 78, Keep, {KeyIs("use amulet to open gate", "0")},
           {SetKey("use amulet to open gate"), RemoveItem("amulet"),
            SetDescription(78,
                           "You are in front of a gate that is illuminated by two blue torches. A "
                           "gold path leads east through the gate. The gate stands wide open with "
                           "the amulet dangling in the door."),
            Message("You place the amulet into the indention of the door. It's a perfect match. The "
                    "gate clicks and whirrs and then opens.")}),
      // 23
      Pair("crowbar", "crack", 119, Keep,
           {KeyIs("use crowbar on crack", "0",
                  "You've already broken the wall. There's no need to be any more destructive.")},
           {SetKey("use crowbar on crack"),
            Message("You figure if there's any crack or crevice in this world you're going to pull "
                    "at it with your crowbar. You put your back into it and a large chunk of the "
                    "wall cracks off. There seems to be something on the other side."),
            SetDescription(119,
                           "You are on the southeast corner of the mansion. You've busted the "
                           "crack open wide enough for you to crawl through to the south.")}),
      // 24
      Pair("crowbar", "television", 111, Keep,
           {KeyIs("break tv to get large lightbulb for lighthouse", "0",
                  "You've already destroyed this beautiful huge tv. No more carnage can be done in "
                  "here. Hope there aren't any good shows on tonight.")},
           {SetKey("break tv to get large lightbulb for lighthouse"),
            PlaceObject(111, "huge lightbulb", 1, 0,
                        "It's a huge lightbulb. You roll it around and notice a lable on it that says "
                        "'ALL PURPOSE. For use on all compatible electronics.'"),
            Message("In a strange destructive mood you lash out and destroy the tv. Glass crashes "
                    "violently all over the floor. In the wreck of the set lies what looks like a "
                    "huge lightbulb. (Click GRAPHIC button to view)"),
            SetDescription(111, "This used to be a magnificent tv until you busted it.")}),
      // 25: the bulb is taken twice; the second removal finds nothing left
      Pair("huge lightbulb", "lighthouse lamp", 84, Keep,
           {KeyIs("use lightbulb at lighhouse", "0", "The light is already fixed.")},
           {SetKey("use lightbulb at lighhouse"), RemoveItem("huge lightbulb"),
            Message("AMAZING. It's compatible! A Perfect fit. A spotlight floods the beach, and a "
                    "boat that seems to have lost its way follows the light and stops right in front "
                    "of the dock."),
            SetDescription(84,
                           "You are inside the lighthouse. The huge lamp in the middle of the room "
                           "is lit and beaming out over the water. Ships should now be able to "
                           "find their way to this shore."),
            SetDescription(81,
                           "You are on the edge of a pier. The boat that was signaled by the "
                           "lighthouse is here."),
            RemoveItem("huge lightbulb")}),
      // 26
      Pair("turpentine", "painting", 61, Keep,
           {KeyIs("use turpentine on painting", "0", "You've already destroyed enough of the painting")},
           {SetKey("use turpentine on painting"), RemoveItem("turpentine"),
            Message("You heave back and splash the painting with the turpentine in the can. The "
                    "paint bleeds and drips down the canvas. Behind one of the layers the numbers 4 "
                    "5 9 appear. (Click GRAPHIC button to view)"),
            SetDescription(61,
                           "You are in front of an abstract painting that's been ruined by "
                           "turpentine.")}),
      // 27
      Pair("plastic nine", "sculpture", 93, Keep,
           {KeyIs("use number 9", "0", "You don't need to do that anymore")},
           {SetKey("use number 9"), RemoveItem("plastic nine"), AddItem("green emerald"),
            PlaceObject(93, "green emerald", 1, 1,
                        "It's a shiny green emerald. At least I think it's an emerald."),
            Message("You jam the plastic nine into the groove of the sculpture and push really hard. "
                    "The top of the statue whirls around, pops open and drops a green emerald. You "
                    "put the emerald in your pocket. (Click GRAPHIC to view)")}),
      // 28
      Pair("bloody key", "red door", 63, Keep,
           {KeyIs("use bloody key to open door", "0", "The door is already open")},
           {SetKey("use bloody key to open door"), RemoveItem("bloody key"),
            SetDescription(63,
                           "You are in a long hallway. There is a crismon red door to the west that "
                           "is open. There is a library to the south."),
            Message("You use the bloody key to unlock the red door. You can now go through the room "
                    "to the west.")}),
      // 29
      Pair("dusty key", "gray door", 105, Keep,
           {KeyIs("use the dusty key to open door", "0", "That door is already unlocked")},
           {SetKey("use the dusty key to open door"), RemoveItem("dusty key"),
            SetDescription(105,
                           "You are in a hallway that leads all four ways with the gray door to "
                           "the south wide open."),
            Message("The dusty key fits smoothly in the gray door. Your path to the south is now "
                    "open.")}),
      // 30
      Pair("tree key", "tree door", 74, Keep,
           {KeyIs("use tree key to open tree house", "0", "The door is already open")},
           {SetKey("use tree key to open tree house"), RemoveItem("tree key"),
            SetDescription(74,
                           "You are in front of a tree with a door in the trunk. The door is open "
                           "and leads to the north."),
            Message("The strange tree key takes some jiggling to work but you're finally able to open "
                    "the tree house door.")}),
      // 31
      Pair("jar full of fire flies", "big toad", 91, On, {KeyIs("feed the toad", "0")},
           {SetKey("feed the toad"), RemoveItem("jar full of fire flies"),
            SetDescription(91,
                           "The frog that was blocking the passage to the east is asleep after the "
                           "lunch you gave him. You can go under the bridge to the east. The pipes "
                           "are back to the south."),
            Message("You open the jar and free the fire flies from their trapped existence. Their "
                    "freedom doesn't last long: the big toad swallows them up one after another. He "
                    "ribbits happily and settles down for a nap.")}),
      // 32
      Pair("cut pine tree", "young woman", 131, Keep,
           {KeyIs("give christmas tree to young lady", "0", "She already has a tree")},
           {SetKey("give christmas tree to young lady"), RemoveItem("cut pine tree"), AddItem("violet key"),
            PlaceObject(131, "violet key", 1, 1,
                        "It's a shiny steel key has a picture of violet flowers growing on its side."),
            Message("The woman loves the new Christmas tree you just gave her. She stands it up in a "
                    "pail of water and declares that it's officially Christmas. To thank you, she "
                    "gives you a shiny steel key engraved with violet flowers.")}),
      // 33
      Pair("bag of gold", "farmer", 18, Keep, {KeyIs("pay the farmer to get into corn field", "0")},
           {SetKey("pay the farmer to get into corn field"), RemoveItem("bag of gold"),
            Message("You pay the farmer his fee for the corn field entrance. He tells you to eat all "
                    "the corn you want, just don't litter in his cornfield and don't go killing any "
                    "of the animals. He tips his hat and tells you to have fun."),
            SetDescription(18, "You've paid the fee to enter the cornfield to the west.")}),
      // 34
      Pair("staff", "old man", 130, Keep, {KeyIs("give staff to old man", "0")},
           {SetKey("give staff to old man"), RemoveItem("staff"), AddItem("jar full of fire flies"),
            PlaceObject(130, "jar full of fire flies", 1, 1,
                        "It's a greasy jar filled with fire flies. The jar lid on top is poked full of "
                        "holes so the bugs can live."),
            Message("The old man uses the staff to wobbily stand up. It fits him perfectly. He doesn't "
                    "own much, but he insists on giving you a jar of fire flies from his shelf. You "
                    "take it so you don't hurt his feelings.")}),
      // 35
      Pair("rotten meat", "dog", 48, Keep,
           {KeyIs("Give meat to dog 48", "0", "The dog is already dead, or asleep.")},
           {SetKey("Give meat to dog 48"),
            Message("I don't think this dog has eaten in a long time. He devours the meat in a few "
                    "big gulps, then lies down and closes his eyes. You can't tell if he's dead or "
                    "asleep, but the way north is free. (Click GRAPHIC button to view)"),
            RemoveItem("rotten meat"),
            SetDescription(48,
                           "You are on the edge of the junkyard. There is a dead or sleeping dog "
                           "here. There is a graveyard to the north.")}),
      // 36
      Pair("rabbit", "magician", 121, Keep, {KeyIs("rabbit", "0")},
           {SetKey("rabbit"), RemoveItem("rabbit"),
            Message("The magician lights up when he sees you pull the rabbit out of your pocket. He "
                    "says it's a little fat for the trick, but it'll do. To thank you he hands you a "
                    "twisted twig shaped like a key."),
            AddItem("tree key"),
            PlaceObject(121, "tree key", 1, 1,
                        "It's a gnarled looking piece of wood that looks similar to a key.")}),
  };
}

}  // namespace

const std::vector<PuzzleRow>& PuzzleRows() {
  static const std::vector<PuzzleRow> rows = BuildRows();
  return rows;
}

}  // namespace brackenhollow
