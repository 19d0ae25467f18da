// Every puzzle of the Action button, as rows for the interpreter. Keys, object names and texts are
// matched letter for letter against the stored world, so their spelling (typos included) is part of
// the game and must not be "corrected" here.

#include "actions/PuzzleRow.h"

#include <string>
#include <utility>
#include <vector>

#include "world/CloseUpPictures.h"
#include "world/PlacedObjects.h"
#include "world/WorldFacts.h"

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
// The room of the object rows a puzzle writes only so that "Look at" finds a carried item's description:
// no room of the world, and gone.
constexpr int kNowhere = 999;

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
      Row(GetRat, object::kRat, room::kFilthyRoom, On,
          {KeyIsNot(key::kWearGlovesToPickUpRat, "0",
                    "You can't just pick up the rat with your bare hands. It'll bite you.")},
          {AddItem(object::kRat), MarkGone(object::kRat),
           SetDescription(room::kFilthyRoom, "You are in a filthy room. Rats have burrowed a hole in the wall."),
           Message("The rat tries to sink its teeth into your hands but your gloves are doing "
                   "pretty well in keeping him from eating your fingers.")}),

      // ---- "Turn On the" -----------------------------------------------------------------------
      Row(TurnOn, object::kLamp, room::kWestSideOfBedroom, Keep, {KeyIs(key::kLampOnRoom1, "0", "The Lamp is already on")},
          {PictureOn(), SetKey(key::kLampOnRoom1), PlaceObject(room::kWestSideOfBedroom, object::kLetter, 1, 0, "It's your mail."),
           SetDescription(room::kWestSideOfBedroom,
                          "You're on the west side of your bedroom. The kitchen is to the north. "
                          "Your bed is to the east. You can reach the lamp from here. It's nice "
                          "and bright in here."),
           Message("You turn on the lamp and notice a letter sticking out from under the bed. "
                   "(Click GRAPHIC button to view)")}),

      // ---- "Talk to": the check holds the answer once the puzzle is solved ---------------------
      Row(TalkTo, object::kFarmer, room::kCornfield18, Keep,
          {KeyIs(key::kPayTheFarmerToGetIntoCornField, "0",
                 "The farmer can't talk to you now. He's busy counting his big bag of gold.")},
          {Message("The farmer greets you with a big howdy. He tells you he runs this cornfield as "
                   "a maze for visitors, and he ain't responsible if you go and get yourself lost "
                   "in there. The entrance fee is one big bag of money. Once you're in you can eat "
                   "all the corn you like and keep whatever you find, since folks dump all kinds "
                   "of things in that field.")}),
      Row(TalkTo, object::kYoungWoman, room::kHouseWithChristmasLights, Keep,
          {KeyIs(key::kGiveChristmasTreeToYoungLady, "0", "The woman is admiring her Christmas tree")},
          {Message("The young woman says this Christmas has been especially hard for this town. "
                   "What she misses most is a real, natural pine Christmas tree, but she didn't "
                   "have the money for one this year. She sighs and goes back to hanging lights "
                   "around an empty corner.")}),
      Row(TalkTo, object::kMagician, room::kMagiciansStore, Keep,
          {KeyIs(key::kRabbit, "0", "The magician can't talk to you. He's petting the rabbit right now.")},
          {Message("The magician is a little down in the dumps because he lost his favorite pet. "
                   "The pet was an integral part to his pull the animal out of the hat trick.")}),
      Row(TalkTo, object::kOldMan, room::kBlindMansHouse, Keep,
          {KeyIs(key::kGiveStaffToOldMan, "0", "The old man loves his new staff")},
          {Message("The old man tells you about how he's come upon some rough times. He can hardly "
                   "walk anymore, and his old legs can barely keep him steady. He wobbles a little "
                   "just from telling you about it.")}),

      // ---- "Search the" ------------------------------------------------------------------------
      Row(Search, object::kTrashCan, room::kFrontOfTrashcan, Keep,
          {KeyIsNot(key::kLookInTrashCan113, "1", "You're already looking right into the trash can")},
          {ShowPicture(kTrashCanInsidePicture), PictureOff(), SetKey(key::kLookInTrashCan113),
           PlaceObject(room::kFrontOfTrashcan, object::kRottenMeat, 1, 0,
                       "The rotten meat is green and disgusting. I think I found some maggots. I "
                       "can't imagine any person wanting to eat this."),
           Message("You open the trash can and look inside. You almost toss your lunch when you "
                   "get a whiff of the rotten meat that's inside. (Click GRAPHIC button to view)")}),
      Row(Search, object::kScarecrow, room::kFrontOfScarecrow, Keep,
          {KeyIs(key::kLookAtScarecrow, "0", "There is nothing else on the scarecrow", Off)},
          {SetKey(key::kLookAtScarecrow), ShowPicture(kScarecrowCloseUpPicture), PictureOff(),
           PlaceObject(room::kFrontOfScarecrow, object::kString, 1, 0,
                       "It's a long piece of string. Pretty sturdy to tell you the truth. It "
                       "reminds you of twine."),
           Message("You get closer to the scarecrow to take a closer look. It's nothing but a "
                   "bunch of old clothes stuffed with hay, and not very scary up close. A piece of "
                   "twine hangs loose from its shirt, and it's very long and thick. (Click GRAPHIC "
                   "button to view)")}),
      Row(Search, object::kHole, room::kFrontOfWall, Off,
          {KeyIs(key::kLookInHoleForDustyKey, "0",
                 "You've already gotten everything you need from that hole.")},
          {SetKey(key::kLookInHoleForDustyKey),
           PlaceObject(room::kFrontOfWall, object::kDustyKey, 1, 1, "It's a key caked with dust."), AddItem(object::kDustyKey),
           Message("You stick your enormous head into the enormous hole and take a deep breath of "
                   "musty air. Whole families of insects seem to live in here. Someone has hidden a "
                   "key in the hole, caked in dust, so you brush the bugs off it and pocket it.")}),
      Row(Search, object::kDresser, room::kCloseToDresser, Off, {KeyIs(key::kOpenDresser, "0", "There's nothing else in the drawers.")},
          {SetKey(key::kOpenDresser),
           PlaceObject(room::kCloseToDresser, object::kGloves, 1, 0,
                       "This must be the gardeners room because these look like gardners' gloves. "
                       "They're thick and sturdy, the kind that keep your hands from chafing when "
                       "you pull weeds all afternoon."),
           Message("You open the drawer and find a pair of gloves. (Click GRAPHIC button to view)"),
           ShowPicture(kDrawerInsidePicture)}),
      // The safe's own key comes first, so an opened safe is silent whatever the painting says.
      Row(Search, object::kSafe, room::kFrontOfSafe, On,
          {KeyIs(key::kOpenSafe, "0"), KeyIs(key::kUseTurpentineOnPainting, "1",
                                          "You'll have to find the combination to open this safe.")},
          {SetKey(key::kOpenSafe),
           PlaceObject(room::kFrontOfSafe, object::kBagOfGold, 1, 0,
                       "The gold coins are a very large denomination. You can buy anything you want "
                       "with this money."),
           Message("You remember seeing the numbers 4 5 9 on the painting, so you give them a try. "
                   "You spin the dial to 4, then 5, then 9, and the safe clicks open. Inside sits a "
                   "bag full of gold coins. (Click GRAPHIC button to view)")}),

      // ---- "Climb the" -------------------------------------------------------------------------
      Row(Climb, object::kLargeTwistedTree, room::kFourWayRoad, Keep,
          {KeyIs(key::kClimbTreeToSeeEggs, "0",
                 "There's no other reason that I need to climb up there. There are no more eggs.")},
          {ShowPicture(kNestWithEggsPicture), PictureOff(), SetKey(key::kClimbTreeToSeeEggs),
           PlaceObject(room::kFourWayRoad, object::kEggs, 1, 0, "The eggs still feel warm."),
           Message("You roll up your pants and your sleeves and you shimmy your way up the tree. At "
                   "the top is a nest full of eggs, and there's no mother bird in sight. You elbow "
                   "a few of the eggs over the edge and they tumble down to the ground. (Click "
                   "GRAPHIC to see the eggs.)")}),

      // ---- "Read the": works wherever the thing is offered -------------------------------------
      Row(Read, object::kLetter, kAnyRoom, Keep,
          {KeyIs(key::kReadTheLetter, "0", "You've already read the letter. You can now leave the house.")},
          {SetKey(key::kReadTheLetter), PictureOn(),
           Message("The letter reads: 'Old buddy, I've finally figured out the secrets of the "
                   "Islands, and they're going to make us both rich! I need you to get a boat and "
                   "sail over here as soon as you can. Whatever you do, make sure nobody follows "
                   "you. Your friend, Barnaby Fenwick'"),
           RemoveItem(object::kLetter),
           SetDescription(room::kBedroom,
                          "You're in your bedroom. Your comfy bed is here. Your mirror hangs on "
                          "the wall, and the lamp on the nightstand is out of reach from here. The "
                          "doorway out of the house is to the south. Now that you've read your "
                          "mail, you're ready to go outside.")}),
      Row(Read, object::kTombstone, kAnyRoom, Keep, {},
          {Message("The tombstone reads: 'Here lies Cornelius Wren, the town baker, who always had "
                   "the key to light up anyones heart.'")}),
      Row(Read, object::kPlaque, kAnyRoom, Keep, {},
          {Message("The plaque reads: 'This sculpture is dedicated to Rusty Calloway of the "
                   "Millbrook Muskrats, who did number nine proud.'")}),

      // ---- "Move the" --------------------------------------------------------------------------
      Row(Move, object::kMirror, room::kEastSideOfBedroom, On,
          {KeyIs(key::kMoveMirror, "0",
                 "You mirror is already on the ground. There's no need to move it anymore.")},
          {SetKey(key::kMoveMirror),
           Message("The mirror looked crooked to you so you decide to straighten it. You tip it a "
                   "little too far and it comes crashing down to the floor. The frayed rope it was "
                   "hanging on has come loose on one side, and it looks long and sturdy enough to "
                   "be worth taking. (Click GRAPHIC button to view)"),
           PlaceObject(room::kEastSideOfBedroom, object::kRope, 1, 0, "It's a nice long rope."),
           SetDescription(room::kEastSideOfBedroom,
                          "You are on the east side of your bedroom. You broke the mirror trying "
                          "to straighten it out."),
           PictureOn()}),
      Row(Move, object::kTelescope, room::kFrontOfTelescope, On,
          {KeyIs(key::kLookThroughTelescopeToFindLighthouse, "0",
                 "You've already found where the light house is. The telescope doesn't show "
                 "anything else that's interesting.")},
          {SetKey(key::kLookThroughTelescopeToFindLighthouse),
           Message("You start rotating the telescope around and enjoy the scenery of your city. "
                   "After a few minutes of the same old neighborhood you get bored. Then something "
                   "sparkles on the beach: a lighthouse you've never noticed before. It might be "
                   "worth checking out. (Click GRAPHIC to see the telescope view)"),
           SetDescription(room::kFrontOfTelescope,
                          "You are in front of large telescope. The telescope is pointed at the "
                          "at the lighthouse on the beach."),
           SetDescription(room::kEdgeOfBeach,
                          "You are on the edge of a beach. The water is pretty, but strangely "
                          "blue and thick instead of clear. The lighthouse you saw in the "
                          "telescope is to the north.")}),

      // ---- "Wear the": any room, carried or not -------------------------------------------------
      Row(Wear, object::kGloves, kAnyRoom, Off,
          {KeyIs(key::kWearGlovesToPickUpRat, "0", "You're already wearing the gloves.")},
          {SetKey(key::kWearGlovesToPickUpRat), AddItem(object::kWearingGloves),
           PlaceObject(room::kBedroom, object::kWearingGloves, 0, 1, "The thick gloves fit nicely."), RemoveItem(object::kGloves),
           Message("You place the thick work gloves on.")}),
      Row(Wear, object::kWaterWings, kAnyRoom, Off, {KeyIs(key::kWearWaterwings, "0", "You're already wearing them.")},
          {SetKey(key::kWearWaterwings), RemoveItem(object::kWaterWings), AddItem(object::kWearingWaterWings),
           PlaceObject(room::kBedroom, object::kWearingWaterWings, 1, 1, "The water wings are strapped to your arms."),
           Message("You squeeze into the childsize waterwings. You really should learn how to swim "
                   "one of these days.")}),
      Row(Wear, object::kClothespin, kAnyRoom, On,
          {KeyIs(key::kUseClothespin, "0", "You don't need to do that anymore")},
          {SetKey(key::kUseClothespin), RemoveItem(object::kClothespin), AddItem(object::kWearingClothespin),
           PlaceObject(room::kBedroom, object::kWearingClothespin, 1, 1, "The clothespin is clamped tightly on your nose."),
           Message("You just decide you don't want to breath through your nose and smell anymore. "
                   "You clamp the clothespin on to your nose. It kind of stings."),
           SetDescription(room::kSewerPipes,
                          "You are in the sewer pipes for some godforsaken reason. Miles of "
                          "sewage pipes stretch out in front of you. The clothespin on your nose "
                          "keeps the smell away, for now. There is a passage to the east.")}),

      // ---- "Pull the" --------------------------------------------------------------------------
      Row(Pull, object::kTorch, room::kRoomWithTorch, On, {KeyIs(key::kPullTorch, "0")},
          {SetKey(key::kPullTorch),
           SetDescription(room::kRoomWithTorch,
                          "You are in a room with a torch on the wall and a bed. The torch is "
                          "only a plastic and crystal imitation, and you've pulled it over. A "
                          "secret passage now leads to the west."),
           Message("For some reason you are compelled to pull the torch. It's just a flickering "
                   "glass replica and it isn't even hot. When you pull it you hear a loud cranking "
                   "sound, and a door hidden in the wall swings open. (Click GRAPHIC button to "
                   "view)")}),
      // The green altar is asked first; the ruby is read only once the emerald is in.
      Row(Pull, object::kLever, room::kEastWestTunnel, Keep,
          {LeverGuard(key::kUseGreenEmerald, "1", kLeverStuck), LeverGuard(key::kUseRedRuby, "1", kLeverStuck),
           LeverGuard(key::kPullLeverInTunnel, "0", "The lever is already pulled")},
          {SetKey(key::kPullLeverInTunnel), PictureOn(),
           Message("Since you were able to activate the other two altars, you figure you'd give it "
                   "a try and give this lever a pull. This time the lever moves easily, and a beam "
                   "of light shoots out of the altar straight through the ceiling. (Push GRAPHIC to "
                   "view) The boat jerks forward and sails for hours, until an island comes into "
                   "sight and the boat comes to a stop. You can leave the boat by going south.")}),

      // ---- "Swim in the" -----------------------------------------------------------------------
      Row(Swim, object::kPool, room::kDivingBoard, Off,
          {KeyIs(key::kSwimInPool, "0",
                 "You just dried off from your last dip. I don't think you'll be getting in pool "
                 "again any time soon."),
           KeyIs(key::kWearWaterwings, "1",
                 "You've never learned how to swim. You're gonna need a water matress, a lifeguard, "
                 "or swimming lessons to go in that deep pool.")},
          {SetKey(key::kSwimInPool),
           PlaceObject(room::kDivingBoard, object::kAmulet, 1, 0,
                       "It's a beautiful amulet with a chain for it like a necklace. There's a large "
                       "star in the middle of the amulet. You wonder what that means."),
           Message("You decide to try out these waterwings. You still can't swim, but bobbing "
                   "around the pool in them is actually a lot of fun. Something sparkles on the "
                   "bottom, so you take a deep breath and somehow dive down for it. It's an amulet "
                   "with a star design on it. (Click GRAPHIC to see the amulet)"),
           ShowPicture(kAmuletPicture)}),

      // ---- "Use the __ with the __": item first, then the fixture or second item ---------------
      // 1
      Pair(object::kCoin, object::kSlot, room::kTollbooth, Keep, {KeyIs(key::kUseCoinFromWellToPayToolboth, "0")},
           {SetKey(key::kUseCoinFromWellToPayToolboth), RemoveItem(object::kCoin),
            SetDescription(room::kTollbooth,
                           "You are in front of a tollbooth. The sign on the tollbooth now says "
                           "PAID. There is a farm to the south and an alley to the west. The main "
                           "street is back to the north."),
            Message("You insert the coin into the tollbooth slot. You hear a satisfying clink and "
                    "you see the barriers raise. (Click GRAPHIC to view) You can now go west and "
                    "south.")}),
      // 2
      Pair(object::kCarrot, object::kRabbitHole, kAnyRoom, Keep,
           {Never("I wouldn't want to just drop the carrot into the hole. I'd lose the carrot and get "
                  "nothing in return. I need to fish whatever is in that hole out somehow.")}),
      // 3
      Pair(object::kRope, object::kTeapot, kAnyRoom, Keep,
           {KeyIs(key::kTieRopeToTeapot, "0", "You've already tied the rope to the teapot")},
           {SetKey(key::kTieRopeToTeapot), RemoveItem(object::kRope), RemoveItem(object::kTeapot),
            AddItem(object::kRopeTiedToTeapot),
            PlaceObject(kNowhere, object::kRopeTiedToTeapot, 0, 1,
                        "The teapot is now dangling on a long rope by the handle."),
            Message("You loop the rope through the teapot handle and give it a lot of slack.")}),
      // 4
      Pair(object::kRopeTiedToTeapot, object::kWell, room::kNextToWell, Keep, {KeyIs(key::kUseTeapotOnRopeOnWellToGetCoin, "0")},
           {SetKey(key::kUseTeapotOnRopeOnWellToGetCoin), AddItem(object::kCoin),
            PlaceObject(kNowhere, object::kCoin, 0, 1,
                        "It's a nice and shiny, silver coin that says TOLL in large letters on the "
                        "front"),
            RemoveItem(object::kRopeTiedToTeapot),
            Message("You lower the teapot with the rope into the well. After a lot of swishing and "
                    "dipping, something shiny clinks into the teapot. You haul it up, pocket the "
                    "coin, and throw the rope and the teapot away.")}),
      // 5: the string must be in hand before the key is even asked
      Pair(object::kCarrot, object::kString, kAnyRoom, Keep,
           {Carried(object::kString, "You don't have any string"), KeyIs(key::kTieStringToCarrot, "0")},
           {SetKey(key::kTieStringToCarrot), RemoveItem(object::kCarrot), RemoveItem(object::kString),
            AddItem(object::kCarrotOnString),
            PlaceObject(kNowhere, object::kCarrotOnString, 0, 1,
                        "I'm not sure why you have a carrot on string. Maybe you're looking to tease "
                        "a donkey into farming or something? Nah, something else."),
            Message("You tie the string to the carrot. Now you have a fishing pole without the pole "
                    "and carrot for bait.")}),
      // 6
      Pair(object::kCarrot, object::kRope, kAnyRoom, Keep,
           {Never("The rope is too thick to tie around the carrot. Try something else.", Off)}),
      // 7
      Pair(object::kGreenEmerald, object::kGreenAltar, room::kGreenControlRoom, Keep,
           {KeyIs(key::kUseGreenEmerald, "0",
                  "There's no need to do that any more. The ship's engine has already started.")},
           {SetKey(key::kUseGreenEmerald), RemoveItem(object::kGreenEmerald), PictureOn(),
            Message("You place the green emerald on the top of the strange, green structure. The "
                    "structure gobbles it right up and shoots a beam of light straight up. Somewhere "
                    "below your feet the ship's engine starts to rev."),
            SetDescription(room::kGreenControlRoom,
                           "You are in the control room of the ship. There is a strange altar in "
                           "the middle of the room that is shooting out a bright light    .")}),
      // 8
      Pair(object::kSmallRuby, object::kRedAltar, room::kShipsRedRoom, Keep,
           {KeyIs(key::kUseRedRuby, "0",
                  "There's no need to do that any more. The ship's lights are already on.")},
           {SetKey(key::kUseRedRuby), RemoveItem(object::kSmallRuby), PictureOn(),
            Message("You place red the red ruby on top of the strange, red structure. The structure "
                    "gobbles it right up and shoots a beam of light to the ceiling. One by one the "
                    "lights in the boat flicker on."),
            SetDescription(room::kShipsRedRoom,
                           "You are in the ship's red room. There is a strange red altar in the "
                           "middle of the room that is shooting out a bright light.")}),
      // 9
      Pair(
          object::kSaw, object::kPineTree, room::kForestWithPineTrees, Keep, {KeyIs(key::kCutPineTree, "0")},
          {SetKey(key::kCutPineTree), RemoveItem(object::kSaw),
           PlaceObject(room::kForestWithPineTrees, object::kCutPineTree, 1, 0, "It's a small pine tree. Kind of makes you feel festive."),
           Message("You wield the saw like a regular ole lumber jack and take down the small pine "
                   "tree. You wonder how you'll ever be strong enough to drag it along with "
                   "everything else you carry. You throw the saw away, since you won't be needing "
                   "it anymore.")}),
      // 10
      Pair(object::kVioletKey, object::kPurpleDoor, room::kLibrary, Keep, {KeyIs(key::kUseVioletKeyInLibrary, "0")},
           {SetKey(key::kUseVioletKeyInLibrary), RemoveItem(object::kVioletKey),
            SetDescription(room::kLibrary,
                           "You are in a room with a large bookshelf. There is a bright purple door "
                           "that is open to the east. There is a weight room to the west."),
            Message("The violet key requires some forcing but you're finally able to jiggle the door "
                    "open to EAST.")}),
      // 11
      Pair(object::kShovel, object::kGrave, room::kFrontOfGrave, Keep,
           {KeyIs(key::kDigWithShovelToGetBoneKeyToLighthouse, "0",
                  "You've already desecrated this grave once. No need to do it again.")},
           {SetKey(key::kDigWithShovelToGetBoneKeyToLighthouse), RemoveItem(object::kShovel),
            PlaceObject(room::kFrontOfGrave, object::kBoneKey, 1, 1, "It looks like an actual key carved out of a single bone."),
            AddItem(object::kBoneKey),
            SetDescription(room::kFrontOfGrave, "You are in front of a grave that you have desecrated by digging up."),
            Message("You satisfy your desire for grave robbing, and dig a good six feet down. There's "
                    "no coffin down there, just a key carved out of a single bone. You pocket the key "
                    "and throw the shovel away.")}),
      // 12
      Pair(object::kBoneKey, object::kWhiteDoor, room::kEntranceToLighthouse, Keep, {KeyIs(key::kUseBoneKey, "0", "The door is already open")},
           {SetKey(key::kUseBoneKey), RemoveItem(object::kBoneKey),
            Message("The white bone key fits perfectly into the door and unlocks."),
            SetDescription(room::kEntranceToLighthouse,
                           "You are at the entrance to the lighthouse. The door to the north is "
                           "unlocked and open. It is smooth and white, kind of like ivory.")}),
      // 13
      Pair(object::kWaxCandle, object::kBonfire, room::kFrontOfBonfire, Keep, {KeyIs(key::kMeltWax, "0")},
           {SetKey(key::kMeltWax), RemoveItem(object::kWaxCandle), AddItem(object::kMeltedWax), AddItem(object::kSmallRuby),
            PlaceObject(room::kFrontOfBonfire, object::kMeltedWax, 1, 1, "The wax is no soft and moldable"),
            PlaceObject(room::kFrontOfBonfire, object::kSmallRuby, 1, 1,
                        "The ruby is a light shade of red. Its sparkles brightly in light."),
            Message("You bring the wax close enough to the bonfire to not burn your hands and wait. "
                    "The wax grows pliable, then starts to melt and drip. Something hidden inside "
                    "begins to show: a small ruby! You pocket the ruby and the lump of melted "
                    "wax.")}),
      // 14
      Pair(object::kCrowbar, object::kManhole, room::kFrontOfManhole, Keep, {KeyIs(key::kOpenmanholeWithCrowbar, "0")},
           {SetKey(key::kOpenmanholeWithCrowbar),
            SetDescription(room::kFrontOfManhole,
                           "You are in front of a manhole that leads to the sewers to the north. "
                           "The manhole is open. You're not really sure that you can stand the "
                           "stink of the sewers."),
            Message("You decide you can take a bath some other time. You jam the crowbar under the "
                    "edge of the manhole and lever it open. You can climb into it by going N. (Click "
                    "Graphic to view)")}),
      // 15
      Pair(object::kScythe, object::kThickThornyBrush, room::kThickBrush, Keep, {KeyIs(key::kCutBrushWithScythe, "0")},
           {SetKey(key::kCutBrushWithScythe),
            SetDescription(room::kThickBrush,
                           "You are in front of a wall of thick brush. There is a path to the west. "
                           "There is a four way road to the east."),
            Message("You raise the scythe over your head and swing it around like the grim reaper. "
                    "A few good swings cut a hole in the brush just big enough for you to tiptoe "
                    "through. You throw the scythe away before you hurt yourself with it. (Click "
                    "GRAPHIC button to view)"),
            RemoveItem(object::kScythe)}),
      // 16
      Pair(object::kCarrotOnString, object::kRabbitHole, room::kCornfieldClearing, Keep, {KeyIs(key::kUseCarrotToFeedRabbit, "0")},
           {SetKey(key::kUseCarrotToFeedRabbit),
            Message("Now you can use the carrot as bait. You ease the carrot down into the hole by "
                    "its string and wait. After a few hours you feel a bite, and when you pull the "
                    "carrot out a rabbit follows it, chewing away. You nab the rabbit before it can "
                    "hop off."),
            RemoveItem(object::kCarrotOnString), AddItem(object::kRabbit),
            PlaceObject(kNowhere, object::kRabbit, 0, 1,
                        "It's a nice sized rabbit. It'd be pretty good for a stew if you were into "
                        "that kind of delicacy.")}),
      // 17: no haystack lies in room 54, so this only ever refuses
      Pair(object::kMagnet, "haystack", room::kHaystackField, Keep,
           {Never("You run the magnet over these haystacks but you don't find anything. Maybe you "
                  "should try some different stacks.")}),
      // 18
      Pair(object::kMagnet, object::kHaystacks, room::kBetweenHaystacks, Keep,
           {KeyIs(key::kUseMagnetOnHaystackToFindKey, "0", "There's no need to do this anymore.")},
           {SetKey(key::kUseMagnetOnHaystackToFindKey), AddItem(object::kWaterKey),
            PlaceObject(kNowhere, object::kWaterKey, 0, 1,
                        "It's a large metal key with water designs embedded all around it."),
            RemoveItem(object::kMagnet),
            SetDescription(room::kBetweenHaystacks,
                           "You are in between some really large haystacks. There are no more "
                           "twinkles in the haystacks."),
            Message("You scan these haystacks. After a few minutes of waving the magnet around you "
                    "hear a clink, and there's a key stuck to the end of it. You pull the key off "
                    "and throw the magnet away.")}),
      // 19
      Pair(object::kWaterKey, object::kBlueDoor, room::kMansionDoor, Keep, {KeyIs(key::kUnlockMansionDoor, "0")},
           {SetKey(key::kUnlockMansionDoor), RemoveItem(object::kWaterKey),
            SetDescription(room::kMansionDoor,
                           "The mansion door is in front of you. The big blue door is unlocked "
                           "and open, and its color still reminds you of the ocean. You can go "
                           "into the house to the west. You can follow the side of the house to "
                           "the south."),
            Message("The door's oceanic look makes you think the water key and the door are a "
                    "perfect match. The key clicks in the lock and the door swings open. You throw "
                    "the water key away.")}),
      // 20
      Pair(object::kRat, object::kSnakes, room::kCaveBottom, Keep, {KeyIs(key::kFeedSnakes, "0")},
           {SetKey(key::kFeedSnakes), RemoveItem(object::kRat), RemoveItem(object::kGloves),
            PlaceObject(room::kCaveBottom, object::kPlasticNine, 1, 0, "It looks like a child's toy. It's a plastic nine."),
            Message("You throw the rat to the corner of the room and all the snakes converge on it. "
                    "When the hissing dies down you notice something lying on the floor: a plastic "
                    "nine, like a child's toy. (Press the GRAPHIC button to view)")}),
      // 21
      Pair(object::kCrowbar, object::kBoulders, room::kFrontOfCave, Keep, {KeyIs(key::kOpenCaveWithCrowbar, "0")},
           {SetKey(key::kOpenCaveWithCrowbar),
            SetDescription(room::kFrontOfCave,
                           "You are in front of the entrance to a cave. After moving some boulders "
                           "around, there is now a passage to the east."),
            Message("You jam the crowbar in between a few of the boulders and manage to move some of "
                    "them around. After moving a few boulders you notice the cave has an "
                    "opening.")}),
      // 22
      Pair(object::kAmulet, object::kGate, room::kFrontOfGate, Keep, {KeyIs(key::kUseAmuletToOpenGate, "0")},
           {SetKey(key::kUseAmuletToOpenGate), RemoveItem(object::kAmulet),
            SetDescription(room::kFrontOfGate,
                           "You are in front of a gate that is illuminated by two blue torches. A "
                           "gold path leads east through the gate. The gate stands wide open with "
                           "the amulet dangling in the door."),
            Message("You place the amulet into the indention of the door. It's a perfect match. The "
                    "gate clicks and whirrs and then opens.")}),
      // 23
      Pair(object::kCrowbar, object::kCrack, room::kSoutheastCornerOfMansion, Keep,
           {KeyIs(key::kUseCrowbarOnCrack, "0",
                  "You've already broken the wall. There's no need to be any more destructive.")},
           {SetKey(key::kUseCrowbarOnCrack),
            Message("You figure if there's any crack or crevice in this world you're going to pull "
                    "at it with your crowbar. You put your back into it and a large chunk of the "
                    "wall cracks off. There seems to be something on the other side."),
            SetDescription(room::kSoutheastCornerOfMansion,
                           "You are on the southeast corner of the mansion. You've busted the "
                           "crack open wide enough for you to crawl through to the south.")}),
      // 24
      Pair(object::kCrowbar, object::kTelevision, room::kCloseToTV, Keep,
           {KeyIs(key::kBreakTvToGetLargeLightbulbForLighthouse, "0",
                  "You've already destroyed this beautiful huge tv. No more carnage can be done in "
                  "here. Hope there aren't any good shows on tonight.")},
           {SetKey(key::kBreakTvToGetLargeLightbulbForLighthouse),
            PlaceObject(room::kCloseToTV, object::kHugeLightbulb, 1, 0,
                        "It's a huge lightbulb. You roll it around and notice a lable on it that says "
                        "'ALL PURPOSE. For use on all compatible electronics.'"),
            Message("In a strange destructive mood you lash out and destroy the tv. Glass crashes "
                    "violently all over the floor. In the wreck of the set lies what looks like a "
                    "huge lightbulb. (Click GRAPHIC button to view)"),
            SetDescription(room::kCloseToTV, "This used to be a magnificent tv until you busted it.")}),
      // 25: the bulb is taken twice; the second removal finds nothing left
      Pair(object::kHugeLightbulb, object::kLighthouseLamp, room::kInsideLighthouse, Keep,
           {KeyIs(key::kUseLightbulbAtLighhouse, "0", "The light is already fixed.")},
           {SetKey(key::kUseLightbulbAtLighhouse), RemoveItem(object::kHugeLightbulb),
            Message("AMAZING. It's compatible! A Perfect fit. A spotlight floods the beach, and a "
                    "boat that seems to have lost its way follows the light and stops right in front "
                    "of the dock."),
            SetDescription(room::kInsideLighthouse,
                           "You are inside the lighthouse. The huge lamp in the middle of the room "
                           "is lit and beaming out over the water. Ships should now be able to "
                           "find their way to this shore."),
            SetDescription(room::kEdgeOfPier,
                           "You are on the edge of a pier. The boat that was signaled by the "
                           "lighthouse is here."),
            RemoveItem(object::kHugeLightbulb)}),
      // 26
      Pair(object::kTurpentine, object::kPainting, room::kPaintingRoom, Keep,
           {KeyIs(key::kUseTurpentineOnPainting, "0", "You've already destroyed enough of the painting")},
           {SetKey(key::kUseTurpentineOnPainting), RemoveItem(object::kTurpentine),
            Message("You heave back and splash the painting with the turpentine in the can. The "
                    "paint bleeds and drips down the canvas. Behind one of the layers the numbers 4 "
                    "5 9 appear. (Click GRAPHIC button to view)"),
            SetDescription(room::kPaintingRoom,
                           "You are in front of an abstract painting that's been ruined by "
                           "turpentine.")}),
      // 27
      Pair(object::kPlasticNine, object::kSculpture, room::kFrontOfSculpture, Keep,
           {KeyIs(key::kUseNumber9, "0", "You don't need to do that anymore")},
           {SetKey(key::kUseNumber9), RemoveItem(object::kPlasticNine), AddItem(object::kGreenEmerald),
            PlaceObject(room::kFrontOfSculpture, object::kGreenEmerald, 1, 1,
                        "It's a shiny green emerald. At least I think it's an emerald."),
            Message("You jam the plastic nine into the groove of the sculpture and push really hard. "
                    "The top of the statue whirls around, pops open and drops a green emerald. You "
                    "put the emerald in your pocket. (Click GRAPHIC to view)")}),
      // 28
      Pair(object::kBloodyKey, object::kRedDoor, room::kLongHallway, Keep,
           {KeyIs(key::kUseBloodyKeyToOpenDoor, "0", "The door is already open")},
           {SetKey(key::kUseBloodyKeyToOpenDoor), RemoveItem(object::kBloodyKey),
            SetDescription(room::kLongHallway,
                           "You are in a long hallway. There is a crismon red door to the west that "
                           "is open. There is a library to the south."),
            Message("You use the bloody key to unlock the red door. You can now go through the room "
                    "to the west.")}),
      // 29
      Pair(object::kDustyKey, object::kGrayDoor, room::kFourWayHallway, Keep,
           {KeyIs(key::kUseTheDustyKeyToOpenDoor, "0", "That door is already unlocked")},
           {SetKey(key::kUseTheDustyKeyToOpenDoor), RemoveItem(object::kDustyKey),
            SetDescription(room::kFourWayHallway,
                           "You are in a hallway that leads all four ways with the gray door to "
                           "the south wide open."),
            Message("The dusty key fits smoothly in the gray door. Your path to the south is now "
                    "open.")}),
      // 30
      Pair(object::kTreeKey, object::kTreeDoor, room::kTreeHouseDoor, Keep,
           {KeyIs(key::kUseTreeKeyToOpenTreeHouse, "0", "The door is already open")},
           {SetKey(key::kUseTreeKeyToOpenTreeHouse), RemoveItem(object::kTreeKey),
            SetDescription(room::kTreeHouseDoor,
                           "You are in front of a tree with a door in the trunk. The door is open "
                           "and leads to the north."),
            Message("The strange tree key takes some jiggling to work but you're finally able to open "
                    "the tree house door.")}),
      // 31
      Pair(object::kJarFullOfFireFlies, object::kBigToad, room::kFrontOfBridge91, On, {KeyIs(key::kFeedTheToad, "0")},
           {SetKey(key::kFeedTheToad), RemoveItem(object::kJarFullOfFireFlies),
            SetDescription(room::kFrontOfBridge91,
                           "The frog that was blocking the passage to the east is asleep after the "
                           "lunch you gave him. You can go under the bridge to the east. The pipes "
                           "are back to the south."),
            Message("You open the jar and free the fire flies from their trapped existence. Their "
                    "freedom doesn't last long: the big toad swallows them up one after another. He "
                    "ribbits happily and settles down for a nap.")}),
      // 32
      Pair(object::kCutPineTree, object::kYoungWoman, room::kHouseWithChristmasLights, Keep,
           {KeyIs(key::kGiveChristmasTreeToYoungLady, "0", "She already has a tree")},
           {SetKey(key::kGiveChristmasTreeToYoungLady), RemoveItem(object::kCutPineTree), AddItem(object::kVioletKey),
            PlaceObject(room::kHouseWithChristmasLights, object::kVioletKey, 1, 1,
                        "It's a shiny steel key has a picture of violet flowers growing on its side."),
            Message("The woman loves the new Christmas tree you just gave her. She stands it up in a "
                    "pail of water and declares that it's officially Christmas. To thank you, she "
                    "gives you a shiny steel key engraved with violet flowers.")}),
      // 33
      Pair(object::kBagOfGold, object::kFarmer, room::kCornfield18, Keep, {KeyIs(key::kPayTheFarmerToGetIntoCornField, "0")},
           {SetKey(key::kPayTheFarmerToGetIntoCornField), RemoveItem(object::kBagOfGold),
            Message("You pay the farmer his fee for the corn field entrance. He tells you to eat all "
                    "the corn you want, just don't litter in his cornfield and don't go killing any "
                    "of the animals. He tips his hat and tells you to have fun."),
            SetDescription(room::kCornfield18, "You've paid the fee to enter the cornfield to the west.")}),
      // 34
      Pair(object::kStaff, object::kOldMan, room::kBlindMansHouse, Keep, {KeyIs(key::kGiveStaffToOldMan, "0")},
           {SetKey(key::kGiveStaffToOldMan), RemoveItem(object::kStaff), AddItem(object::kJarFullOfFireFlies),
            PlaceObject(room::kBlindMansHouse, object::kJarFullOfFireFlies, 1, 1,
                        "It's a greasy jar filled with fire flies. The jar lid on top is poked full of "
                        "holes so the bugs can live."),
            Message("The old man uses the staff to wobbily stand up. It fits him perfectly. He doesn't "
                    "own much, but he insists on giving you a jar of fire flies from his shelf. You "
                    "take it so you don't hurt his feelings.")}),
      // 35
      Pair(object::kRottenMeat, object::kDog, room::kEdgeOfJunkyard, Keep,
           {KeyIs(key::kGiveMeatToDog48, "0", "The dog is already dead, or asleep.")},
           {SetKey(key::kGiveMeatToDog48),
            Message("I don't think this dog has eaten in a long time. He devours the meat in a few "
                    "big gulps, then lies down and closes his eyes. You can't tell if he's dead or "
                    "asleep, but the way north is free. (Click GRAPHIC button to view)"),
            RemoveItem(object::kRottenMeat),
            SetDescription(room::kEdgeOfJunkyard,
                           "You are on the edge of the junkyard. There is a dead or sleeping dog "
                           "here. There is a graveyard to the north.")}),
      // 36
      Pair(object::kRabbit, object::kMagician, room::kMagiciansStore, Keep, {KeyIs(key::kRabbit, "0")},
           {SetKey(key::kRabbit), RemoveItem(object::kRabbit),
            Message("The magician lights up when he sees you pull the rabbit out of your pocket. He "
                    "says it's a little fat for the trick, but it'll do. To thank you he hands you a "
                    "twisted twig shaped like a key."),
            AddItem(object::kTreeKey),
            PlaceObject(room::kMagiciansStore, object::kTreeKey, 1, 1,
                        "It's a gnarled looking piece of wood that looks similar to a key.")}),
  };
}

}  // namespace

const std::vector<PuzzleRow>& PuzzleRows() {
  static const std::vector<PuzzleRow> rows = BuildRows();
  return rows;
}

}  // namespace brackenhollow
