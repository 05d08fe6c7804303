// Sounds: each sound is an audio element of the page (id "QLCXsound" and its number) playing
// a file the browser decodes (WAV, OGG, MP3).
//
// Browsers start audio only after the person has clicked or pressed a key on the page. Until
// then a small hint asks for that click; a looping sound (music) waits for it and starts then,
// a sound played once is let go, since heard late it would belong to a moment long past. No
// sound command fails for it.
//
// A sound record: [audio element, looping, state (0 stopped, 1 playing, 2 paused), pan, panner
// node or 0].
var QLCX_Sounds = [];
// The browser's audio graph, made when a sound is first panned.
var QLCX_AudioGraph = 0;
// 1 once the page has had its first click or key, 2 while waiting for one.
var QLCX_SoundAllowed = 0;
var QLCX_SoundHint = 0;
var QLCX_SoundStopped = 0;
var QLCX_SoundPlaying = 1;
var QLCX_SoundPaused = 2;

// Members of audio elements, which compaction does not know, are reached by their names.
function QLCX_AudioGet(el, name) {
    return window.Reflect.get(el, name);
}

function QLCX_AudioSet(el, name, value) {
    window.Reflect.set(el, name, value);
}

function QLCX_AudioCall(el, name) {
    return window.Reflect.apply(window.Reflect.get(el, name), el, []);
}

function QLCX_AudioCallWith(el, name, value) {
    return window.Reflect.apply(window.Reflect.get(el, name), el, [value]);
}

// The address of a sound file: the page's own copy when the file travels inside the page,
// otherwise the path beside the page.
function QLCX_SoundUrl(path) {
    return QLCX_FileUrl(path);
}

function QLCX_SoundMayPlay() {
    if (QLCX_SoundAllowed == 1) { return 1; }
    if (navigator.userActivation && navigator.userActivation.hasBeenActive) { return 1; }
    return 0;
}

// Shows the hint, once, and listens for the click or key that lets sounds play.
function QLCX_AskForSound() {
    if (QLCX_SoundAllowed || QLCX_SoundMayPlay()) { return; }
    QLCX_SoundAllowed = 2;
    window.addEventListener("mousedown", QLCX_SoundUnlocked, true);
    window.addEventListener("keydown", QLCX_SoundUnlocked, true);
    window.addEventListener("touchstart", QLCX_SoundUnlocked, true);
    var hint = document.createElement("div");
    hint.id = "QLCXsoundhint";
    hint.setAttribute("style", "position:fixed;right:8px;bottom:8px;z-index:10000;padding:3px 8px;font:12px sans-serif;color:rgb(255,255,255);background-color:rgba(0,0,0,0.7);border-radius:4px;cursor:pointer");
    hint.appendChild(document.createTextNode("click to enable sound"));
    document.body.appendChild(hint);
    QLCX_SoundHint = hint;
}

// The first click or key: the hint goes, and looping sounds that wait start.
function QLCX_SoundUnlocked() {
    QLCX_SoundAllowed = 1;
    QLCX_StopListeningForSound();
    if (QLCX_SoundHint) { document.body.removeChild(QLCX_SoundHint); }
    QLCX_SoundHint = 0;
    if (QLCX_AudioGraph) { QLCX_AudioCall(QLCX_AudioGraph, "resume"); }
    for (var i = 0; i < QLCX_Sounds.length; i++) {
        var sound = QLCX_Sounds[i];
        if (sound && sound[2] == QLCX_SoundPlaying) { QLCX_StartSound(sound); }
    }
}

// Apart from QLCX_SoundUnlocked, so that it is not named in its own body: compaction keeps
// a function that is, and the unlock would stay on pages that never play a sound.
function QLCX_StopListeningForSound() {
    window.removeEventListener("mousedown", QLCX_SoundUnlocked, true);
    window.removeEventListener("keydown", QLCX_SoundUnlocked, true);
    window.removeEventListener("touchstart", QLCX_SoundUnlocked, true);
}

function InitSound() {
    QLCX_AskForSound();
    return 1;
}

// LoadSound(id, file$ [, flags]): loading goes on after the command returns; a file that is
// missing or that the browser cannot decode takes the sound away (IsSound gives 0 then).
function LoadSound(id, file, flags) {
    var asked = id;
    id = QLCX_PickNumber(id, QLCX_Sounds);
    if (QLCX_Sounds[id]) { FreeSound(id); }
    var el = document.createElement("audio");
    el.id = "QLCXsound" + id;
    el.setAttribute("preload", "auto");
    QLCX_AudioSet(el, "onerror", QLCX_SoundFailed);
    el.src = QLCX_SoundUrl(QLCX_Text(file));
    document.body.appendChild(el);
    QLCX_Sounds[id] = [el, 0, QLCX_SoundStopped, 0, 0];
    return QLCX_Created(asked, id);
}

function QLCX_SoundFailed(event) {
    for (var i = 0; i < QLCX_Sounds.length; i++) {
        if (QLCX_Sounds[i] && QLCX_Sounds[i][0] == event.target) { FreeSound(i); }
    }
}

// A refused or broken start is no fault of the program's: the sound just stays silent.
function QLCX_SoundRefused(error) {
    return 0;
}

function QLCX_StartSound(sound) {
    var started = QLCX_AudioCall(sound[0], "play");
    if (started) { started.then(QLCX_SoundRefused, QLCX_SoundRefused); }
}

// The sounds a command is for: one number, or all of them with #PB_All (-1).
function QLCX_SoundsFor(id) {
    if (id != -1) {
        if (QLCX_Sounds[id]) { return [QLCX_Sounds[id]]; }
        return [];
    }
    var all = [];
    for (var i = 0; i < QLCX_Sounds.length; i++) {
        if (QLCX_Sounds[i]) { all.push(QLCX_Sounds[i]); }
    }
    return all;
}

// PlaySound(id [, flags [, volume]]): from the start, over and over with #PB_Sound_Loop.
function PlaySound(id, flags, volume) {
    var sound = QLCX_Sounds[id];
    if (!sound) { return 0; }
    sound[1] = (flags & 1) != 0;
    QLCX_AudioSet(sound[0], "loop", sound[1]);
    if (volume || volume == 0) { SoundVolume(id, volume); }
    QLCX_AudioCall(sound[0], "pause");
    QLCX_AudioSet(sound[0], "currentTime", 0);
    sound[2] = QLCX_SoundPlaying;
    if (QLCX_SoundMayPlay()) {
        QLCX_StartSound(sound);
        return 1;
    }
    QLCX_AskForSound();
    if (!sound[1]) { sound[2] = QLCX_SoundStopped; }
    return 1;
}

function StopSound(id) {
    var sounds = QLCX_SoundsFor(id);
    for (var i = 0; i < sounds.length; i++) {
        QLCX_AudioCall(sounds[i][0], "pause");
        QLCX_AudioSet(sounds[i][0], "currentTime", 0);
        sounds[i][2] = QLCX_SoundStopped;
    }
}

function PauseSound(id) {
    var sounds = QLCX_SoundsFor(id);
    for (var i = 0; i < sounds.length; i++) {
        if (sounds[i][2] != QLCX_SoundPlaying) { continue; }
        QLCX_AudioCall(sounds[i][0], "pause");
        sounds[i][2] = QLCX_SoundPaused;
    }
}

function ResumeSound(id) {
    var sounds = QLCX_SoundsFor(id);
    for (var i = 0; i < sounds.length; i++) {
        if (sounds[i][2] != QLCX_SoundPaused) { continue; }
        sounds[i][2] = QLCX_SoundPlaying;
        if (QLCX_SoundMayPlay()) { QLCX_StartSound(sounds[i]); }
    }
}

// SoundVolume(id, volume): 0 (silent) to 100 (full).
function SoundVolume(id, volume) {
    volume = Math.max(0, Math.min(100, QLCX_Number(volume)));
    var sounds = QLCX_SoundsFor(id);
    for (var i = 0; i < sounds.length; i++) { QLCX_AudioSet(sounds[i][0], "volume", volume / 100); }
}

// SoundPan(id, pan): -100 (left) to 100 (right).
function SoundPan(id, pan) {
    pan = Math.max(-100, Math.min(100, QLCX_Number(pan)));
    var sounds = QLCX_SoundsFor(id);
    for (var i = 0; i < sounds.length; i++) {
        sounds[i][3] = pan;
        var panner = QLCX_SoundPanner(sounds[i]);
        if (panner) { QLCX_AudioSet(QLCX_AudioGet(panner, "pan"), "value", pan / 100); }
    }
}

// Panning routes the sound through the browser's audio graph, which plays a file the page may
// not read (a page opened from disk, a file beside it) as silence; so only sounds from the
// page's own files (data and blob addresses) are panned, the others stay in the middle. The
// graph starts silent until the first click, like the sounds.
function QLCX_SoundPanner(sound) {
    if (sound[4]) { return sound[4]; }
    var address = "" + sound[0].src;
    if (address.substr(0, 5) != "data:" && address.substr(0, 5) != "blob:") { return 0; }
    if (!QLCX_AudioGraph) {
        var Graph = window.AudioContext;
        if (!Graph) { return 0; }
        QLCX_AudioGraph = new Graph();
    }
    var source = QLCX_AudioCallWith(QLCX_AudioGraph, "createMediaElementSource", sound[0]);
    var panner = QLCX_AudioCall(QLCX_AudioGraph, "createStereoPanner");
    QLCX_AudioCallWith(source, "connect", panner);
    QLCX_AudioCallWith(panner, "connect", QLCX_AudioGet(QLCX_AudioGraph, "destination"));
    sound[4] = panner;
    return panner;
}

// SoundStatus(id): #PB_Sound_Playing while it plays (or, looping, waits for the first click),
// #PB_Sound_Paused, else #PB_Sound_Stopped; a sound played once has stopped at its end.
function SoundStatus(id) {
    var sound = QLCX_Sounds[id];
    if (!sound) { return QLCX_SoundStopped; }
    if (sound[2] == QLCX_SoundPlaying && !sound[1] && QLCX_AudioGet(sound[0], "ended")) {
        sound[2] = QLCX_SoundStopped;
    }
    return sound[2];
}

function FreeSound(id) {
    var sounds = QLCX_SoundsFor(id);
    for (var i = 0; i < sounds.length; i++) {
        var el = sounds[i][0];
        QLCX_AudioCall(el, "pause");
        if (el.parentNode) { document.body.removeChild(el); }
    }
    if (id == -1) {
        QLCX_Sounds = [];
    } else if (QLCX_Sounds[id]) {
        QLCX_Sounds[id] = 0;
    }
}

function IsSound(id) {
    if (QLCX_Sounds[id]) { return 1; }
    return 0;
}
