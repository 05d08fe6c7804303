function structitem(){
var name="";
var price=0.0;
var stock=0;
}
function inititem(){
var bufvar=new structitem();
bufvar.name="";
bufvar.price=0.0;
bufvar.stock=0;
return bufvar;
}
function structshelf(){
var label="";
var items=0;
}
function initshelf(){
var bufvar=new structshelf();
bufvar.label="";
bufvar.items=0;
bufvar.items=NewList(inititem);
return bufvar;
}
function initializestructshelf(struct){
struct.items=NewList(inititem);
}
var grand=0.0
var shelves=0;
function AddShelf(label$){
AddElement(shelves);
shelves[shelves[0]].label=label$;
return 0;
}
function AddItem(name$,price,stock){
AddElement(shelves[shelves[0]].items);
shelves[shelves[0]].items[shelves[shelves[0]].items[0]].name=name$;
shelves[shelves[0]].items[shelves[shelves[0]].items[0]].price=price;
shelves[shelves[0]].items[shelves[shelves[0]].items[0]].stock=stock;
return 0;
}
function ShelfValue(){
var total=0.0;
total=0;
ResetList(shelves[shelves[0]].items);
while(NextElement(shelves[shelves[0]].items)){
total=Math.fround(total+shelves[shelves[0]].items[shelves[shelves[0]].items[0]].price*QLCX_Float(shelves[shelves[0]].items[shelves[shelves[0]].items[0]].stock));
}
return total;
}
function INIT(){
shelves=NewList(initshelf);
AddShelf("Fruit");
AddItem("Apple",0.5,120);
AddItem("Pear",Math.fround(0.65),40);
AddShelf("Tea");
AddItem("Green tea",Math.fround(3.2),12);
AddItem("Black tea",Math.fround(2.9),30);
AddItem("Mint",1.75,0);
grand=0;
ResetList(shelves);
while(NextElement(shelves)){
Debug(shelves[shelves[0]].label+": "+Str(ListSize(shelves[shelves[0]].items))+" items");
ResetList(shelves[shelves[0]].items);
while(NextElement(shelves[shelves[0]].items)){
if(shelves[shelves[0]].items[shelves[shelves[0]].items[0]].stock==0){
Debug("  sold out: "+shelves[shelves[0]].items[shelves[shelves[0]].items[0]].name);
}
}
grand=Math.fround(grand+ShelfValue());
}
Debug("Value of the shop: "+Str(grand));
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
