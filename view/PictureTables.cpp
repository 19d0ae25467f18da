#include "view/PictureTables.h"

#include <algorithm>

namespace brackenhollow {

namespace {

StateTest KeyIs(std::string key, std::string literal) {
  return {StateTest::Kind::Status, std::move(key), true, std::move(literal)};
}
StateTest KeyIsNot(std::string key, std::string literal) {
  return {StateTest::Kind::Status, std::move(key), false, std::move(literal)};
}
StateTest GoneIs(std::string object, std::string literal) {
  return {StateTest::Kind::Gone, std::move(object), true, std::move(literal)};
}
StateTest GoneIsNot(std::string object, std::string literal) {
  return {StateTest::Kind::Gone, std::move(object), false, std::move(literal)};
}

std::vector<PictureCase> MakeCases() {
  return {
    {1, {KeyIs("read the letter", "0")}, "\\bedroom1.gif", kEast | kWest},
    {1, {KeyIsNot("read the letter", "0")}, "\\bedroom100.gif", kSouth | kEast | kWest},
    {2, {KeyIs("Lamp On Room 1", "0")}, "\\bedroom left not lit.gif", kNorth | kEast},
    {2, {KeyIsNot("Lamp On Room 1", "0"), GoneIs("letter", "1")}, "\\bedroom left lit.gif", kNorth | kEast},
    {2, {KeyIsNot("Lamp On Room 1", "0"), GoneIsNot("letter", "1")}, "\\bedroom left lit letter.gif", kNorth | kEast},
    {3, {}, "\\welcomematcloseup.gif", kNorth | kSouth | kEast | kWest},
    {4, {}, "\\front of house with welcome mat.gif", kNorth | kSouth},
    {5, {}, "\\sidewindoweast.gif", kEast | kWest},
    {6, {}, "\\sidewindowwest.gif", kEast},
    {7, {}, "\\well outside.gif", kNorth | kEast | kWest},
    {8, {}, "\\well close up.gif", kWest},
    {9, {KeyIs("move mirror", "0")}, "\\eastside move mirror not yet.gif", kWest},
    {9, {KeyIsNot("move mirror", "0"), GoneIs("rope", "0")}, "\\eastside move mirror rope.gif", kWest},
    {9, {KeyIsNot("move mirror", "0"), GoneIsNot("rope", "0")}, "\\eastside move mirror no rope.gif", kWest},
    {10, {}, "\\threehousesotherside.gif", kNorth | kSouth | kEast | kWest},
    {11, {}, "\\threewayhousestwohouseswitch.gif", kNorth | kSouth | kEast},
    {12, {}, "\\threewayhousegreenhouse.gif", kNorth | kSouth},
    {13, {}, "\\threewayhousetanhouse.gif", kNorth | kSouth},
    {14, {}, "\\threewayredhousecloseup.gif", kWest},
    {15, {KeyIs("use coin from well to pay toolboth", "1")}, "\\tollboothopen.gif", kNorth | kSouth | kWest},
    {15, {KeyIsNot("use coin from well to pay toolboth", "1")}, "\\tollbooth.gif", kNorth},
    {16, {}, "\\scarcrowfrombehind.gif", kNorth | kSouth | kEast | kWest},
    {17, {}, "\\scarecrow.gif", kNorth},
    {18, {KeyIs("pay the farmer to get into corn field", "0")}, "\\cornfield entrance.gif", kEast},
    {18, {KeyIsNot("pay the farmer to get into corn field", "0")}, "\\cornfield entrance open.gif", kEast | kWest},
    {19, {}, "\\corn2.gif", kNorth | kSouth | kEast | kWest},
    {20, {}, "\\corn3.gif", kNorth | kSouth | kWest},
    {21, {}, "\\corn4.gif", kNorth | kSouth},
    {22, {}, "\\corn field.gif", kWest},
    {23, {}, "\\corn2.gif", kNorth | kSouth | kWest},
    {24, {}, "\\corn3.gif", kNorth | kEast},
    {25, {}, "\\corn4.gif", kSouth | kWest},
    {26, {}, "\\corn field.gif", kNorth | kSouth | kEast},
    {27, {}, "\\corn2.gif", kNorth | kSouth | kEast},
    {28, {}, "\\corn3.gif", kNorth | kSouth | kEast},
    {29, {}, "\\corn4.gif", kNorth | kSouth},
    {30, {}, "\\corn field.gif", kNorth | kSouth},
    {31, {}, "\\corn2.gif", kSouth | kWest},
    {32, {}, "\\corn3.gif", kNorth | kEast},
    {33, {}, "\\corn4.gif", kNorth},
    {34, {}, "\\corn field.gif", kNorth | kSouth | kEast},
    {35, {GoneIs("scythe", "0")}, "\\cornfield scythe.gif", kSouth},
    {35, {GoneIsNot("scythe", "0")}, "\\cornfield scythe no scythe.gif", kSouth},
    {36, {}, "\\corn3.gif", kNorth | kEast},
    {37, {}, "\\corn4.gif", kSouth | kWest},
    {38, {}, "\\corn field.gif", kNorth | kSouth},
    {39, {}, "\\corn2.gif", kNorth | kSouth},
    {40, {GoneIs("clothespin", "0")}, "\\cornfield clothespin.gif", kNorth},
    {40, {GoneIsNot("clothespin", "0")}, "\\cornfield clothespin gone.gif", kNorth},
    {41, {}, "\\corn4.gif", kSouth | kEast},
    {42, {}, "\\corn field.gif", kNorth | kWest},
    {43, {}, "\\corn2.gif", kSouth},
    {44, {}, "\\corn3.gif", kNorth | kWest},
    {45, {}, "\\corn4.gif", kNorth | kEast},
    {46, {}, "\\three way path in forest.gif", kNorth | kSouth | kEast | kWest},
    {47, {GoneIs("crowbar", "0")}, "\\junkyard with crowbar1.gif", kNorth | kSouth},
    {47, {GoneIsNot("crowbar", "0")}, "\\junkyard without crowbar1.gif", kNorth | kSouth},
    {48, {KeyIs("Give meat to dog 48", "1")}, "\\deaddog.gif", kNorth | kSouth},
    {48, {KeyIsNot("Give meat to dog 48", "1")}, "\\dog on a leash.gif", kSouth},
    {49, {}, "\\power lines and graveyard.gif", kNorth | kSouth | kEast},
    {50, {KeyIs("dig with shovel to get bone key to lighthouse", "0")}, "\\grave close up.gif", kSouth},
    {50, {KeyIsNot("dig with shovel to get bone key to lighthouse", "0")}, "\\grave dug up.gif", kSouth},
    {51, {}, "\\bridge.gif", kNorth | kSouth},
    {52, {}, "\\four way road with tree.gif", kNorth | kSouth | kEast | kWest},
    {53, {}, "\\bonfire.gif", kNorth | kSouth | kEast},
    {54, {}, "\\haystacks.gif", kNorth | kSouth | kWest},
    {55, {}, "\\mansion front.gif", kEast | kWest},
    {56, {KeyIs("unlock mansion door", "1")}, "\\mansiondooropen.gif", kSouth | kEast | kWest},
    {56, {KeyIsNot("unlock mansion door", "1")}, "\\mansion front closeup.gif", kSouth | kEast},
    {57, {}, "\\hallway 3 doors.gif", kNorth | kSouth | kEast | kWest},
    {58, {GoneIs("rat", "1")}, "\\rat no rat.gif", kSouth},
    {58, {GoneIsNot("rat", "1")}, "\\rat hole.gif", kSouth},
    {59, {}, "\\bathroom.gif", kNorth | kEast},
    {60, {}, "\\room with closet and sculpture.gif", kNorth | kSouth | kEast | kWest},
    {61, {KeyIs("use turpentine on painting", "0")}, "\\painting1.gif", kEast},
    {61, {KeyIsNot("use turpentine on painting", "0")}, "\\painting2.gif", kEast},
    {62, {}, "\\room with dresser for scissors.gif", kNorth | kSouth | kWest},
    {63, {KeyIs("use bloody key to open door", "0")}, "\\hallway 2 doors.gif", kNorth | kSouth | kEast},
    {63, {KeyIsNot("use bloody key to open door", "0")}, "\\hallway 2 doors open.gif", kNorth | kSouth | kEast | kWest},
    {64, {KeyIs("pull torch", "0")}, "\\room with torch.gif", kEast},
    {64, {KeyIsNot("pull torch", "0")}, "\\pull torch room open.gif", kEast | kWest},
    {65, {KeyIs("use violet key in library", "0")}, "\\library.gif", kNorth | kSouth | kWest},
    {65, {KeyIsNot("use violet key in library", "0")}, "\\library door open.gif", kNorth | kSouth | kEast | kWest},
    {66, {}, "\\telescope room.gif", kNorth | kSouth},
    {67, {KeyIs("look through telescope to find lighthouse", "0")}, "\\telescopeclose.gif", kNorth},
    {67, {KeyIsNot("look through telescope to find lighthouse", "0")}, "\\telescope close up.gif", kNorth},
    {68, {}, "\\room with hole in the wall.gif", kSouth | kWest},
    {69, {GoneIs("carrot", "0"), GoneIs("teapot", "0")}, "\\kitchen teapot carrot.gif", kSouth},
    {69, {GoneIs("carrot", "0"), GoneIsNot("teapot", "0")}, "\\kitchen carrot only.gif", kSouth},
    {69, {GoneIsNot("carrot", "0"), GoneIs("teapot", "0")}, "\\kitchen teapot only.gif", kSouth},
    {69, {GoneIsNot("carrot", "0"), GoneIsNot("teapot", "0")}, "\\kitchen nothing.gif", kSouth},
    {70, {KeyIs("feed snakes", "0")}, "\\insde cave with snakes.gif", kWest},
    {70, {KeyIsNot("feed snakes", "0"), GoneIs("plastic nine", "0")}, "\\snakesgone.gif", kWest},
    {70, {KeyIsNot("feed snakes", "0"), GoneIsNot("plastic nine", "0")}, "\\snakesgone no nine.gif", kWest},
    {71, {}, "\\cave in forest with boulders blocking it.gif", kSouth | kWest},
    {72, {KeyIs("cut brush with scythe", "1")}, "\\bushwith hole.gif", kEast | kWest},
    {72, {KeyIsNot("cut brush with scythe", "1")}, "\\bush thick cant pass.gif", kEast},
    {73, {}, "\\treehousefaraway.gif", kEast | kWest},
    {74, {KeyIs("use tree key to open tree house", "0")}, "\\treehousefront.gif", kSouth | kEast},
    {74, {KeyIsNot("use tree key to open tree house", "0")}, "\\treehousefrontopen.gif", kNorth | kSouth | kEast},
    {75, {GoneIs("staff", "0")}, "\\insidetreehouse.gif", kSouth},
    {75, {GoneIsNot("staff", "0")}, "\\insidetreehouse no staff.gif", kSouth},
    {76, {}, "\\spike wall different side.gif", kSouth | kWest},
    {77, {}, "\\spike wall with heavy grass.gif", kNorth | kEast},
    {78, {KeyIs("use amulet to open gate", "0")}, "\\gate.gif", kWest},
    {78, {KeyIsNot("use amulet to open gate", "0")}, "\\gate open.gif", kEast | kWest},
    {79, {KeyIs("look through telescope to find lighthouse", "0")}, "\\beach.gif", kSouth | kEast | kWest},
    {79, {KeyIsNot("look through telescope to find lighthouse", "0")}, "\\beach.gif", kNorth | kSouth | kEast | kWest},
    {80, {}, "\\dock.gif", kNorth | kSouth},
    {81, {KeyIs("use lightbulb at lighhouse", "0")}, "\\boat no boat.gif", kNorth},
    {81, {KeyIsNot("use lightbulb at lighhouse", "0")}, "\\boat from lighthouse.gif", kNorth | kSouth},
    {82, {}, "\\lighthouse.gif", kNorth | kSouth},
    {83, {KeyIs("use bone key", "0")}, "\\lighthouse entrance.gif", kSouth},
    {83, {KeyIsNot("use bone key", "0")}, "\\lighthouse entrance open.gif", kNorth | kSouth},
    {84, {KeyIs("use lightbulb at lighhouse", "0")}, "\\insde lighthouse missing power.gif", kSouth},
    {84, {KeyIsNot("use lightbulb at lighhouse", "0")}, "\\inside lighthouse lit.gif", kSouth},
    {85, {}, "\\middle of ocean.gif", kEast | kWest},
    {86, {}, "\\drowned with bubbles.gif", kWest},
    {87, {}, "\\manhole.gif", kNorth | kSouth | kEast},
    {88, {KeyIs("openmanhole with crowbar", "1")}, "\\manholeopen.gif", kNorth | kSouth},
    {88, {KeyIsNot("openmanhole with crowbar", "1")}, "\\manholecloser.gif", kSouth},
    {89, {KeyIs("use clothespin", "0")}, "\\sewage tube with open top.gif", kSouth},
    {89, {KeyIsNot("use clothespin", "0")}, "\\sewage tube with open top.gif", kSouth | kEast},
    {90, {}, "\\sewage pipe.gif", kNorth | kWest},
    {91, {KeyIs("feed the toad", "0")}, "\\under bridge.gif", kSouth},
    {91, {KeyIsNot("feed the toad", "0")}, "\\under bridge no frog.gif", kSouth | kEast},
    {92, {GoneIs("water wings", "0")}, "\\brideundercloseup waterwings.gif", kWest},
    {92, {GoneIsNot("water wings", "0")}, "\\brideundercloseup no wings.gif", kWest},
    {93, {KeyIs("use number 9", "0")}, "\\sculpture close up.gif", kSouth},
    {93, {KeyIsNot("use number 9", "0")}, "\\sculpture close up fixed.gif", kSouth},
    {94, {}, "\\dresser close up.gif", kEast},
    {95, {}, "\\bathroom mirror close up.gif", kWest},
    {96, {}, "\\hole close up.gif", kNorth},
    {97, {}, "\\haystacksinbetween.gif", kNorth},
    {98, {KeyIs("open cave with crowbar", "0")}, "\\caveclose10.gif", kNorth},
    {98, {KeyIsNot("open cave with crowbar", "0")}, "\\caveopen.gif", kNorth | kEast},
    {99, {}, "\\treehouseotherside.gif", kNorth},
    {100, {}, "\\weightroom.gif", kSouth | kEast | kWest},
    {101, {GoneIs("dumbbell", "0")}, "\\weightroom close up dumbell.gif", kNorth},
    {101, {GoneIsNot("dumbbell", "0")}, "\\weightroom close up no dumbell.gif", kNorth},
    {102, {}, "\\swimming pool with diving board.gif", kSouth | kWest},
    {103, {}, "\\swimming pool close up.gif", kNorth},
    {104, {}, "\\punchingbag.gif", kEast},
    {105, {KeyIs("use the dusty key to open door", "0")}, "\\hallway 4 way.gif", kNorth | kEast | kWest},
    {105, {KeyIsNot("use the dusty key to open door", "0")}, "\\hallway 4 way open.gif", kNorth | kSouth | kEast | kWest},
    {106, {}, "\\hallway 3 way.gif", kEast | kWest},
    {107, {}, "\\long hallway.gif", kNorth | kSouth | kEast | kWest},
    {108, {}, "\\roomwithcomputer.gif", kEast | kWest},
    {109, {GoneIs("wax candle", "0")}, "\\computer1.gif", kEast},
    {109, {GoneIsNot("wax candle", "0")}, "\\computer1 no candle.gif", kEast},
    {110, {}, "\\tv1.gif", kEast | kWest},
    {111, {KeyIs("break tv to get large lightbulb for lighthouse", "0")}, "\\tv close up.gif", kWest},
    {111, {KeyIsNot("break tv to get large lightbulb for lighthouse", "0"), GoneIs("huge lightbulb", "0")}, "\\tv broken.gif", kWest},
    {111, {KeyIsNot("break tv to get large lightbulb for lighthouse", "0"), GoneIsNot("huge lightbulb", "0")}, "\\tv broken no bulb.gif", kWest},
    {112, {}, "\\alleywithtrashcan.gif", kNorth | kWest},
    {113, {KeyIs("Look in trash can 113", "0")}, "\\alleywithtrashcancloseup.gif", kEast},
    {113, {KeyIsNot("Look in trash can 113", "0"), GoneIs("rotten meat", "0")}, "\\alleywithtrashcaninside.gif", kEast},
    {113, {KeyIsNot("Look in trash can 113", "0"), GoneIsNot("rotten meat", "0")}, "\\trashcanempty.gif", kEast},
    {114, {}, "\\pizzaboxes.gif", kEast},
    {115, {}, "\\room with safe.gif", kEast | kWest},
    {116, {KeyIs("open safe", "0")}, "\\safe close up.gif", kWest},
    {116, {KeyIsNot("open safe", "0"), GoneIs("bag of gold", "0")}, "\\open safe.gif", kWest},
    {116, {KeyIsNot("open safe", "0"), GoneIsNot("bag of gold", "0")}, "\\open safe no bag.gif", kWest},
    {117, {GoneIs("shovel", "0"), GoneIs("magnet", "0")}, "\\toolshed with shovel and magnet.gif", kSouth},
    {117, {GoneIs("shovel", "0"), GoneIsNot("magnet", "0")}, "\\toolshed shovel only.gif", kSouth},
    {117, {GoneIsNot("shovel", "0"), GoneIs("magnet", "0")}, "\\toolshed magnet only.gif", kSouth},
    {117, {GoneIsNot("shovel", "0"), GoneIsNot("magnet", "0")}, "\\toolshed nothing.gif", kSouth},
    {118, {}, "\\bonfirecloseup.gif", kWest},
    {119, {KeyIs("use crowbar on crack", "0")}, "\\se corner of wall.gif", kNorth | kEast},
    {119, {KeyIsNot("use crowbar on crack", "0")}, "\\se broken wall.gif", kNorth | kSouth | kEast},
    {120, {}, "\\se side wall.gif", kWest},
    {121, {}, "\\wizardstore.gif", kWest},
    {122, {}, "\\rabbithole.gif", kSouth},
    {123, {GoneIs("saw", "0")}, "\\alcove saw.gif", kEast},
    {123, {GoneIsNot("saw", "0")}, "\\alcove no saw.gif", kEast},
    {124, {GoneIs("turpentine", "0")}, "\\janitors room turpentine.gif", kNorth},
    {124, {GoneIsNot("turpentine", "0")}, "\\janitor no turpentine.gif", kNorth},
    {125, {KeyIs("use red ruby", "0")}, "\\red ruby room.gif", kNorth | kEast},
    {125, {KeyIsNot("use red ruby", "0")}, "\\red ruby room lit.gif", kNorth | kEast},
    {126, {KeyIs("have weight", "0")}, "\\ice patch.gif", kEast},
    {126, {KeyIsNot("have weight", "0")}, "\\ice patch.gif", kEast | kWest},
    {127, {GoneIs("bloody key", "0")}, "\\ice patch close up key.gif", kEast},
    {127, {GoneIsNot("bloody key", "0")}, "\\ice patch close up.gif", kEast},
    {128, {KeyIs("use green emerald", "0")}, "\\green emerald room.gif", kWest},
    {128, {KeyIsNot("use green emerald", "0")}, "\\green room lit.gif", kWest},
    {129, {}, "\\magician outside.gif", kEast | kWest},
    {130, {}, "\\old man.gif", kNorth},
    {131, {KeyIs("give christmas tree to young lady", "0")}, "\\young lady.gif", kSouth},
    {131, {KeyIsNot("give christmas tree to young lady", "0")}, "\\young lady tree.gif", kSouth},
    {132, {KeyIs("cut pine tree", "0")}, "\\christmas tree.gif", kWest},
    {132, {KeyIsNot("cut pine tree", "0"), GoneIs("cut pine tree", "0")}, "\\christmas tree cut.gif", kWest},
    {132, {KeyIsNot("cut pine tree", "0"), GoneIsNot("cut pine tree", "0")}, "\\christmas tree cut gone.gif", kWest},
    {133, {KeyIs("pull lever in tunnel", "1"), KeyIs("use red ruby", "1"), KeyIs("use green emerald", "1")}, "\\tunnel pulled.gif", kSouth},
    {133, {}, "\\tunnel.gif", kEast | kWest},
    {134, {}, "\\island.gif", kNoDirection},
  };
}

}  // namespace

const std::vector<PictureCase>& PictureCases() {
  static const std::vector<PictureCase> cases = MakeCases();
  return cases;
}

const std::vector<std::string>& CloseUpPictureNames() {
  static const std::vector<std::string> names = {"\\scarecrowcloseup.gif", "\\drawer inside.gif",
                                                 "\\nest with eggs.gif", "\\amulet.gif",
                                                 "\\alleywithtrashcaninside.gif"};
  return names;
}

std::vector<std::string> AllPictureNames() {
  std::vector<std::string> names;
  auto add = [&names](const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  };
  for (const PictureCase& pictureCase : PictureCases()) add(pictureCase.picture);
  add(kTitlePicture);
  for (const std::string& name : CloseUpPictureNames()) add(name);
  return names;
}

std::vector<std::string> RoomPictureNames(int room) {
  std::vector<std::string> names;
  for (const PictureCase& pictureCase : PictureCases()) {
    if (pictureCase.room == room &&
        std::find(names.begin(), names.end(), pictureCase.picture) == names.end()) {
      names.push_back(pictureCase.picture);
    }
  }
  return names;
}

}  // namespace brackenhollow
