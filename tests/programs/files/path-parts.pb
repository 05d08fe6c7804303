; GetPathPart, GetFilePart and GetExtensionPart cut a path at its last separator, / or \
Debug GetPathPart("C:\games\data\level.map") + "|" + GetFilePart("C:\games\data\level.map") + "|" + GetExtensionPart("C:\games\data\level.map")
Debug GetPathPart("music/theme.tar.gz") + "|" + GetFilePart("music/theme.tar.gz", #PB_FileSystem_NoExtension) + "|" + GetExtensionPart("music/theme.tar.gz")
Debug "[" + GetPathPart("readme") + "|" + GetExtensionPart("my.dir/readme") + "|" + GetFilePart("folder/") + "]"
; expect:
; C:\games\data\|level.map|map
; music/|theme.tar|gz
; [||]
