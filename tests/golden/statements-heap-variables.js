var count=0
var ratio=0
var big=0
var qlcxptr_p=0
function INIT(){
count=AllocateMemory(4);
ratio=AllocateMemory(8);
big=AllocateMemory(8);
QLCX_MemAt=count;if((QLCX_MemAt&3)==0&&QLCX_MemAt>=QLCX_MemHitStart&&QLCX_MemAt+4<=QLCX_MemHitEnd){QLCX_MemLongs[QLCX_MemAt>>2]=5;}else{PokeL(QLCX_MemAt,5);};
QLCX_MemAt=ratio;if((QLCX_MemAt&7)==0&&QLCX_MemAt>=QLCX_MemHitStart&&QLCX_MemAt+8<=QLCX_MemHitEnd){QLCX_MemDoubles[QLCX_MemAt>>3]=0.5;}else{PokeD(QLCX_MemAt,0.5);};
QLCX_MemWide=big;QLCX_MemValue=7;if((QLCX_MemWide&3)==0&&QLCX_MemWide>=QLCX_MemHitStart&&QLCX_MemWide+8<=QLCX_MemHitEnd&&QLCX_MemValue<=2147483647&&QLCX_MemValue>=-2147483648){QLCX_MemLongs[QLCX_MemWide>>2]=QLCX_MemValue;QLCX_MemLongs[(QLCX_MemWide>>2)+1]=QLCX_MemValue>>31;}else{PokeI(QLCX_MemWide,QLCX_MemValue);};
qlcxptr_p=count+ratio+big;
QLCX_MemAt=count;if((QLCX_MemAt&3)==0&&QLCX_MemAt>=QLCX_MemHitStart&&QLCX_MemAt+4<=QLCX_MemHitEnd){QLCX_MemLongs[QLCX_MemAt>>2]=(QLCX_Low32(QLCX_Add((QLCX_MemAt=count,(QLCX_MemAt&3)==0&&QLCX_MemAt>=QLCX_MemHitStart&&QLCX_MemAt+4<=QLCX_MemHitEnd?QLCX_MemLongs[QLCX_MemAt>>2]:PeekL(QLCX_MemAt)),1)))|0;}else{PokeL(QLCX_MemAt,(QLCX_Low32(QLCX_Add((QLCX_MemAt=count,(QLCX_MemAt&3)==0&&QLCX_MemAt>=QLCX_MemHitStart&&QLCX_MemAt+4<=QLCX_MemHitEnd?QLCX_MemLongs[QLCX_MemAt>>2]:PeekL(QLCX_MemAt)),1)))|0);};
QLCX_MemAt=ratio;if((QLCX_MemAt&7)==0&&QLCX_MemAt>=QLCX_MemHitStart&&QLCX_MemAt+8<=QLCX_MemHitEnd){QLCX_MemDoubles[QLCX_MemAt>>3]=(QLCX_MemAt=ratio,(QLCX_MemAt&7)==0&&QLCX_MemAt>=QLCX_MemHitStart&&QLCX_MemAt+8<=QLCX_MemHitEnd?QLCX_MemDoubles[QLCX_MemAt>>3]:PeekD(QLCX_MemAt))*2;}else{PokeD(QLCX_MemAt,(QLCX_MemAt=ratio,(QLCX_MemAt&7)==0&&QLCX_MemAt>=QLCX_MemHitStart&&QLCX_MemAt+8<=QLCX_MemHitEnd?QLCX_MemDoubles[QLCX_MemAt>>3]:PeekD(QLCX_MemAt))*2);};
QLCX_MemWide=big;QLCX_MemValue=(QLCX_MemAt=count,(QLCX_MemAt&3)==0&&QLCX_MemAt>=QLCX_MemHitStart&&QLCX_MemAt+4<=QLCX_MemHitEnd?QLCX_MemLongs[QLCX_MemAt>>2]:PeekL(QLCX_MemAt));if((QLCX_MemWide&3)==0&&QLCX_MemWide>=QLCX_MemHitStart&&QLCX_MemWide+8<=QLCX_MemHitEnd&&QLCX_MemValue<=2147483647&&QLCX_MemValue>=-2147483648){QLCX_MemLongs[QLCX_MemWide>>2]=QLCX_MemValue;QLCX_MemLongs[(QLCX_MemWide>>2)+1]=QLCX_MemValue>>31;}else{PokeI(QLCX_MemWide,QLCX_MemValue);};
PokeL(count,(QLCX_Low32(Len("abc")))|0);
}
function _qlcxi(){
QLCXInit("QLCXcanvas");
INIT();
}
