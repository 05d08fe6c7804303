; Preferences: a file beside the source read, a new one written, closed and read again
If OpenPreferences("data/settings.ini")
  Debug ReadPreferenceString("Name", "?")
  Debug PreferenceGroup("window")
  Debug ReadPreferenceLong("Width", 0)
  Debug StrF(ReadPreferenceFloat("Scale", 0), 1)
  Debug ReadPreferenceLong("Height", 480)
  ClosePreferences()
EndIf
Debug OpenPreferences("none.ini")
Debug ReadPreferenceString("Name", "default")
ClosePreferences()
If CreatePreferences("my.prefs")
  WritePreferenceString("Player", "Bob")
  PreferenceGroup("Scores")
  WritePreferenceLong("Best", 1200)
  WritePreferenceFloat("Ratio", 0.25)
  ClosePreferences()
EndIf
OpenPreferences("my.prefs")
PreferenceGroup("Scores")
Debug ReadPreferenceLong("best", 0) + 1
Debug ReadPreferenceString("Ratio", "")
Debug PreferenceGroup("Missing")
ClosePreferences()
If ReadFile(0, "my.prefs")
  While Not Eof(0)
    Debug ReadString(0)
  Wend
  CloseFile(0)
EndIf
; expect:
; Ada
; 1
; 640
; 1.5
; 480
; 0
; default
; 1201
; 0.25
; 0
; Player = Bob
; 
; [Scores]
; Best = 1200
; Ratio = 0.25
