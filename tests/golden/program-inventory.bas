; Inventory of a small shop: structures, lists inside structures, totals
Structure Item
	name$
	price.f
	stock.i
EndStructure

Structure Shelf
	label.s
	List items.Item()
EndStructure

Global NewList shelves.Shelf()

Procedure AddShelf(label$)
	AddElement(shelves())
	shelves()\label = label$
EndProcedure

Procedure AddItem(name$, price.f, stock)
	AddElement(shelves()\items())
	shelves()\items()\name$ = name$
	shelves()\items()\price = price
	shelves()\items()\stock = stock
EndProcedure

Procedure.f ShelfValue()
	Protected total.f = 0
	ForEach shelves()\items()
		total + shelves()\items()\price * shelves()\items()\stock
	Next
	ProcedureReturn total
EndProcedure

AddShelf("Fruit")
AddItem("Apple", 0.5, 120)
AddItem("Pear", 0.65, 40)
AddShelf("Tea")
AddItem("Green tea", 3.2, 12)
AddItem("Black tea", 2.9, 30)
AddItem("Mint", 1.75, 0)

grand.f = 0
ForEach shelves()
	Debug shelves()\label + ": " + Str(ListSize(shelves()\items())) + " items"
	ForEach shelves()\items()
		If shelves()\items()\stock = 0
			Debug "  sold out: " + shelves()\items()\name$
		EndIf
	Next
	grand + ShelfValue()
Next
Debug "Value of the shop: " + Str(grand)
