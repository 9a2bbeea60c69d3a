// The rules end to end, as the headless runner plays them: where gems start,
// how fast they fall, when they drop, where they stick, what rings and bombs
// take and what it all scores, to the millisecond and the last bit.
#include "run_script.h"

namespace {

const ScriptCase kScripts[] = {
    // Two draws per gem (direction, then colour); the first drop on the first
    // timer firing, then every 3400 ms of game time stepped each 100 ms. An
    // hour's pause moves nothing; the game goes on where it stood.
    {"seed 1\nnew\nresume\nwait 5000\npause\nwait 3600000\nresume\nwait 6000\nstate\n",
     R"({"ev":"drop","t":1000066,"colour":1,"x":108.66563925929047,"y":-290.3304648919396}
{"ev":"drop","t":1003498,"colour":2,"x":277.9587214034231,"y":137.25505162205945}
...{"ev":"snap","t":1010332,"colour":1,"cell":[1,-1]}
...
{"ev":"state","t":1011000,"score":10,"bombs":1,"nextBombScore":4000,"over":false,"paused":false,"started":true,"difficulty":1,"wheelAngle":0,"lattice":[[0,0,3],[1,-1,1]],"falling":[[85.97506627003602,42.454189239044354,2],...],"pending":[5.799380038526758,1]}
)"},
    // Hard, then Easy, stored as the level plus one; a tick between timer
    // firings shows the drop interval to the step.
    {"seed 1\nsetting Difficulty 3\nnew\nresume\nwait 30\ntick\nwait 6970\nstate\n"
     "seed 1\nsetting Difficulty 1\nnew\nresume\nwait 30\ntick\nwait 15470\nstate\n",
     R"(...
{"ev":"drop","t":1002112,"colour":2,...
{"ev":"snap","t":1006336,"colour":1,"cell":[1,-1]}
...{"ev":"state",..."difficulty":2,...,"falling":[[74.63896173353659,36.85646017519529,2],...
{"ev":"drop","t":1011946,"colour":2,...
{"ev":"snap","t":1021582,"colour":1,"cell":[1,-1]}
...{"ev":"state",..."difficulty":0,...,"falling":[[90.95526677149512,44.913394956586615,2],...
)"},
    // Over is final; the next game's clock starts where the last one stopped.
    {"new\nresume\nwait 5000\nend\nresume\nwait 60000\nnew\nstate\nresume\nwait 10\nstate\n",
     R"(...
{"ev":"over","t":1005000}
{"ev":"state","t":1005000,"score":0,"bombs":1,"nextBombScore":4000,"over":false,"paused":true,"started":false,...
{"ev":"drop","t":1005010,...
{"ev":"state","t":1005010,...
)"},
    // `at` stops the timer: an hour later one explicit tick drops one gem.
    {"at 5000\nnew\nresume\nwait 3600000\ntick\nstate\n",
     R"({"ev":"drop","t":3605000,...
{"ev":"state","t":3605000,"score":0,...
)"},
    // Left alone at Hard the cluster grows until a gem sticks 296 px out.
    {"seed 7\nsetting Difficulty 3\nnew\nresume\nwait 600000\nstate\n",
     R"(...
{"ev":"drop","t":1369666,"colour":1,"x":182.2134282106666,"y":-250.79526825623375}
{"ev":"snap","t":1369798,"colour":1,"cell":[13,-12]}
{"ev":"over","t":1369798}
{"ev":"state","t":1369798,"score":1760,"bombs":1,"nextBombScore":4000,"over":true,"paused":true,...
)"},
    // The tutorial's positions, as its pages show them.
    // A step comes 100 ms after the last, the first one moving nothing. A drag
    // retests contacts without moving a gem; cells are taken in the turned
    // wheel's frame.
    {"new ThreeFalling\nresume\ntick\nwait 99\ntick\nstate\nwait 1\ntick\nstate\n"
     "new ThreeFalling\nresume\nwait 2000\nturn 1\nstate\nwait 20000\nstate\n",
     R"({"ev":"state","t":1000099,...,"falling":[[43.99999999999997,-120.00000000000001,0],...
{"ev":"state","t":1000100,...,"falling":[[43.016415288118765,-117.31749624032398,0],...
{"ev":"state","t":1002100,"score":0,"bombs":0,...,"wheelAngle":1,"lattice":[[0,0,3]],"falling":[[24.64305287017777,-67.20832600957577,0],[-55.07262811127253,-117.11647497080729,1],[108.81000039510714,-163.21500059266066,2]],...
{"ev":"snap","t":1003960,"colour":0,"cell":[0,-1]}
{"ev":"snap","t":1005940,"colour":1,"cell":[-1,0]}
{"ev":"snap","t":1007392,"colour":2,"cell":[0,-2]}
{"ev":"state","t":1022100,"score":30,...
)"},
    // A wheel turned millions of times round (as far as a turn may take it)
    // catches gems where its angle, rounded as it is, puts the cluster.
    {"new ThreeFalling\nresume\nturn 1e7\nwait 20000\nstate\n"
     "seed 7\nsetting Difficulty 3\nnew\nresume\nturn -1e8\nwait 600000\nstate\n",
     R"(...{"ev":"state","t":1020000,"score":30,...,"wheelAngle":1e+07,"lattice":[[0,0,3],[-1,1,0],[-1,2,1],[-2,1,2]],...
...{"ev":"snap","t":1400422,"colour":0,"cell":[11,1]}
{"ev":"over","t":1400422}
{"ev":"state","t":1400422,"score":1810,...
)"},
    // The yellow ring around the centre goes; in the next position the pink
    // chain does, while the yellow loop, no ring around the centre, stays.
    {"new SixAround\nresume\nwait 20000\nstate\nnew PinkChain\nresume\nwait 20000\nstate\n",
     R"({"ev":"snap","t":1007326,"colour":1,"cell":[0,-1]}
{"ev":"ring","t":1007326,"gems":6}
{"ev":"state","t":1020000,"score":460,"bombs":0,...,"lattice":[[0,0,3],[2,0,2],[1,1,0],[-2,0,2],[-2,1,2],[2,-1,2],[0,2,0]],"falling":[],"exploding":[[1,-1,1],[1,0,1],[0,1,1],[-1,1,1],[-1,0,1],[0,-1,1]],...
{"ev":"snap","t":1025080,"colour":2,"cell":[1,-3]}
{"ev":"ring","t":1025080,"gems":15}
{"ev":"state","t":1040000,"score":1135,...,"lattice":[[0,0,3],[-2,0,1],[-2,1,0],[-2,2,0],[-2,3,0],[-3,1,1],[-3,2,2],[-3,3,2],[0,-1,0],[0,1,1],[0,3,1],[0,4,1],[1,-2,0],[1,0,1],[1,2,1],[1,3,0],[1,4,1],[2,-2,0],[2,1,1],[2,2,1],[2,3,1]],"falling":[],...
)"},
    // A bomb takes the chains of every neighbour of its cell, for no points;
    // none falls while the game is paused.
    {"new BombPractice\nbomb\nresume\nbomb\nbomb\nwait 12000\nstate\n",
     R"({"ev":"bomb","t":1008118,"landing":[2,-4],"destroyed":1}
{"ev":"bomb","t":1009570,"landing":[1,-2],"destroyed":4}
{"ev":"state","t":1012000,"score":0,"bombs":2,...,"lattice":[[0,0,3],[-2,2,0],[-2,3,0],[-2,1,1],[-1,0,2],[-1,1,2],[0,1,1],[0,2,2],[0,3,1],[0,4,1],[1,0,1],[1,1,2],[1,2,1],[1,3,0],[1,4,1],[2,-1,2],[2,0,2]],"falling":[],"exploding":[[2,-3,2],[0,-1,0],[1,-1,0],[2,-2,0],[0,-2,2]],...
)"},
    // Nothing sticks to the ring on show; the board that shows the bomb has none.
    // No gem ever enters a prepared position. The wheel turns by the stored
    // step in the stored direction, and only while the game runs.
    {"new BombBoard\nresume\nbomb\nwait 60000\nnew RingShowcase\nresume\nwait 60000\nstate\n"
     "new EmptyBoard\nresume\nwait 60000\nwheel 120\nstate\nsetting MouseWheelClockwise 1\n"
     "setting MouseWheelSpeed 1000\nnew EmptyBoard\nwheel 120\nturn 2\nresume\nwheel 120\nstate\n",
     R"({"ev":"state","t":1120000,"score":0,"bombs":0,...,"lattice":[[0,0,3],[2,0,0],[2,1,0],[1,2,0],[0,2,0],[-1,3,0],[-2,3,0],[-2,2,0],[-2,1,0],[-1,0,0],[-1,-1,0],[0,-2,0],[1,-2,0],[2,-3,0],[3,-3,0],[3,-1,0],[3,-2,0]],"falling":[],...
{"ev":"state","t":1180000,...,"wheelAngle":-0.05,"lattice":[[0,0,3]],"falling":[],...
{"ev":"state","t":1180000,...,"wheelAngle":0.12,...
)"},
};

TEST(Rules, GamesAndTutorialPositionsPrintTheirEvents) {
    for (const ScriptCase& c : kScripts) {
        ExpectPrints(c);
    }
}

}  // namespace
