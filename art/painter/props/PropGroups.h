// One registration function per group of props, each in its own file.
#pragma once

namespace brackenhollow::art {

class PropRegistry;

void RegisterBackdropProps(PropRegistry& registry);   // sky, ground, sea, darkness, light
void RegisterBuildingProps(PropRegistry& registry);   // houses, doors, windows, sheds, walls
void RegisterHouseSideProps(PropRegistry& registry);  // the house's gable walls, picket fences, the shed, the well
void RegisterNatureProps(PropRegistry& registry);     // trees, corn, hay, rocks
void RegisterRoomProps(PropRegistry& registry);       // interiors and hallways
void RegisterCorridorProps(PropRegistry& registry);   // hallways built in space (registered with the rooms)
void RegisterFurnitureProps(PropRegistry& registry);  // beds, lamps, mirrors, dressers, shelves
void RegisterThingProps(PropRegistry& registry);      // small things the player can take
void RegisterCharacterProps(PropRegistry& registry);  // people and animals
void RegisterWaterProps(PropRegistry& registry);      // beach, pier, ships, lighthouse, bridges, pools
void RegisterShoreProps(PropRegistry& registry);      // the shore, the round lighthouse, the pier's end
void RegisterBridgeProps(PropRegistry& registry);     // the arched stone bridge, the canal, the outfall
void RegisterTownProps(PropRegistry& registry);       // streets, tollbooth, alley, sewer, graveyard
void RegisterStreetProps(PropRegistry& registry);     // roads with kerbs, cobbled alleys, lamp posts
void RegisterMansionOutsideProps(PropRegistry& registry);  // the mansion's front and walls, the gate
void RegisterMansionRoomProps(PropRegistry& registry);    // the fittings of the mansion's rooms
void RegisterShipProps(PropRegistry& registry);       // the ship's altars, beams and the island
void RegisterOrganicProps(PropRegistry& registry);    // a great trunk, the bonfire
void RegisterMazeProps(PropRegistry& registry);       // the corn maze seen from inside
void RegisterFieldSightProps(PropRegistry& registry);  // a hat and a roof over the corn, crows
void RegisterMasonryProps(PropRegistry& registry);    // stone facades and the spiked wall in perspective
void RegisterFieldProps(PropRegistry& registry);      // heavy grass, haystacks seen close
void RegisterIceProps(PropRegistry& registry);        // the frozen lake's ice
void RegisterForegroundProps(PropRegistry& registry);  // leaves, grass and rocks framing outdoor views
void RegisterMansionCloseUpProps(PropRegistry& registry);  // the painting, safe, television and dresser seen close
void RegisterOutdoorCloseUpProps(PropRegistry& registry);  // a doorstep, a manhole, under the bridge, the amulet
void RegisterWoodlandProps(PropRegistry& registry);    // layered forests, grown trees, trails, dappled light
void RegisterCragProps(PropRegistry& registry);        // layered crags, cave mouths, the cave's inside
void RegisterScrapProps(PropRegistry& registry);       // heaps of scrap: tyres, car bodies, springs

}  // namespace brackenhollow::art
